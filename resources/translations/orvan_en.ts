<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!--
  The interface-language table. Source texts are the windows' own texts; the context is the
  window class and the comment the component name (empty for a window's own caption). An
  empty translation leaves the source text as it is. This is the English table; orvan_ru.ts
  beside it is the Russian one, chosen at start-up instead of it.
  Texts shared by every window are in the context "Shared", identified by their number.
-->
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>TfmForm1</name>
    <message>
        <source>  Файл</source>
        <comment>N1</comment>
        <translation>File</translation>
    </message>
    <message>
        <!-- The same text anywhere else in the window stays: this row keeps the one above
             bound to N1 (the compiled table drops a component name that nothing needs). -->
        <source>  Файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cascade</source>
        <comment>N20</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Каскад</source>
        <comment>N20</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Open text...</source>
        <comment>N24</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть текст...</source>
        <comment>N24</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfmShowPicture</name>
    <message>
        <source>Viewing of pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Просмотр рисунков</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tcorrection</name>
    <message>
        <source>&amp;Close</source>
        <comment>BitBtn2</comment>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>DialogBase</name>
    <message>
        <source>&amp;Close</source>
        <comment>BitBtn2</comment>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>Shared</name>
    <message>
        <source> (%dx%d)</source>
        <comment>65327</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
</TS>
