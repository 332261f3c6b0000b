<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!--
  The Russian interface: the same rows as the English table (context = window class,
  comment = component name), each with its Russian text. Contexts named Q... are the texts
  of Qt's own dialogs and buttons. Reports are never looked up here.
-->
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>HelpViewer</name>
    <message>
        <source>&amp;Back</source>
        <comment>btBack</comment>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <comment>btContents</comment>
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <source>Orvan Help</source>
        <translation>Справка Orvan</translation>
    </message>
</context>
<context>
    <name>DialogBase</name>
    <message>
        <source>&amp;Close</source>
        <comment>BitBtn10</comment>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <comment>BitBtn12</comment>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <comment>BitBtn2</comment>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <comment>BitBtn3</comment>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <comment>BitBtn4</comment>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <comment>BitBtn8</comment>
        <translation>&amp;Закрыть</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Папка</translation>
    </message>
</context>
<context>
    <name>QDockWidget</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Closes the dock widget</source>
        <translation>Закрывает панель</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Открепить</translation>
    </message>
    <message>
        <source>Undocks and re-attaches the dock widget</source>
        <translation>Открепляет и снова прикрепляет панель</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Новая папка</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Переименовать</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Подробный вид</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Вид списком</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Создать папку</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Создать папку</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Подробный вид</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Имя файла:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Типы файлов:</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Перейти в родительскую папку</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Список мест и закладок</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Папка:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Родительская папка</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Показать </translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Показать &amp;скрытые файлы</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Боковая панель</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Дата изменения</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>Тип</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>No such file or directory</source>
        <translation>Нет такого файла или каталога</translation>
    </message>
</context>
<context>
    <name>QImageWriter</name>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Параметры &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Параметры &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Печать</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Все страницы</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Чётные страницы</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Локальный файл</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Нечётные страницы</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Печать в файл (PDF)</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Запись в файл PDF</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Collate</source>
        <translation>Разобрать по копиям</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цветная</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Режим цвета</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Копии</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Число копий:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Текущая страница</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Двусторонняя печать</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Оттенки серого</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Переплёт по длинной стороне</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Параметры вывода</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Набор страниц:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Страницы</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Страницы с</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Диапазон печати</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>В обратном порядке</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Выделенный фрагмент</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Переплёт по короткой стороне</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Укажите страницы или диапазоны через запятую. Диапазон задаётся двумя числами через дефис. Например, 3,5-7,9 печатает страницы 3, 5, 6, 7 и 9.</translation>
    </message>
    <message>
        <source>to</source>
        <translation>по</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Имя:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Размещение:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Файл вывода:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Свойства</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Принтер</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Backtab</source>
        <translation>Backtab</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>F%1</source>
        <translation>F%1</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Meta</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>SysReq</source>
        <translation>SysReq</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Прокрутить влево</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Прокрутить вправо</translation>
    </message>
</context>
<context>
    <name>Shared</name>
    <message>
        <source> (%dx%d)</source>
        <comment>65327</comment>
        <translation> (%dx%d)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«%1» не является правильным вещественным числом</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» не является правильным целым числом</translation>
    </message>
    <message>
        <source>Axis Minimum Value must be &lt;= Maximum</source>
        <translation>Минимальное значение оси должно быть не больше максимального</translation>
    </message>
    <message>
        <source>Cannot save the options to &apos;%1&apos;: %2</source>
        <translation>Не удалось сохранить параметры в «%1»: %2</translation>
    </message>
    <message>
        <source>Data error</source>
        <translation>Ошибка в данных</translation>
    </message>
    <message>
        <source>Disk read error</source>
        <translation>Ошибка чтения диска</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Доступ к файлу запрещён</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Деление на ноль при вычислении с плавающей точкой</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Переполнение при вычислении с плавающей точкой</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Недопустимое имя файла</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Недопустимая операция с плавающей точкой</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Путь не найден</translation>
    </message>
    <message>
        <source>Plasticizing admixture is already used for accelerating of steam curing</source>
        <translation>Пластифицирующая добавка уже применяется для ускорения твердения при пропаривании</translation>
    </message>
    <message>
        <source>The average water-reducing effect of superplasticizer is known only for a slump up to 100 sm or a Vebe time up to 227.3 sec: enter the water-reducing effect, %</source>
        <translation>Средний водоредуцирующий эффект суперпластификатора известен только для осадки конуса до 100 см или жёсткости до 227.3 с: введите водоредуцирующий эффект, %</translation>
    </message>
    <message>
        <source>The kind of coarse aggregates is neither crushed stones nor gravels: choose one of them in the options for proportioning</source>
        <translation>Вид крупного заполнителя не указан (ни щебень, ни гравий): выберите его в параметрах подбора состава</translation>
    </message>
    <message>
        <source>This decision is not recommended if resistance to frezing and thawing and watertightness are given</source>
        <translation>Это решение не рекомендуется, если заданы морозостойкость и водонепроницаемость</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Слишком много открытых файлов</translation>
    </message>
    <message>
        <source>"%1": %2</source>
        <translation>"%1": %2</translation>
    </message>
    <message>
        <source>enter four digits</source>
        <translation>введите четыре цифры</translation>
    </message>
    <message>
        <source>enter two digits</source>
        <translation>введите две цифры</translation>
    </message>
    <message>
        <source>enter a digit, a point and a digit</source>
        <translation>введите цифру, точку и цифру</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>от %1 до %2</translation>
    </message>
    <message>
        <source>The mix cannot be made: %1.</source>
        <translation>Состав получить невозможно: %1.</translation>
    </message>
    <message>
        <source>Outside the method's range: %1.</source>
        <translation>Вне области применения метода: %1.</translation>
    </message>
    <message>
        <source>Every input lies within the method's range.</source>
        <translation>Все исходные данные лежат в области применения метода.</translation>
    </message>
    <message>
        <source>the water-cement ratio</source>
        <translation>водоцементное отношение (В/Ц)</translation>
    </message>
    <message>
        <source>the water</source>
        <translation>расход воды</translation>
    </message>
    <message>
        <source>the cement</source>
        <translation>расход цемента</translation>
    </message>
    <message>
        <source>the coarse aggregate</source>
        <translation>расход крупного заполнителя</translation>
    </message>
    <message>
        <source>the volume left for sand</source>
        <translation>объём, оставшийся для песка</translation>
    </message>
    <message>
        <source>kg per cu m</source>
        <translation>кг/м³</translation>
    </message>
    <message>
        <source>litres per cu m</source>
        <translation>л/м³</translation>
    </message>
    <message>
        <source>sm</source>
        <translation>см</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>с</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>MPa</source>
        <translation>МПа</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>мм</translation>
    </message>
</context>
<context>
    <name>TF_W</name>
    <message>
        <source>Enter number of freeze-thaw cycles:</source>
        <comment>edMarka_F</comment>
        <translation>Введите число циклов замораживания-оттаивания:</translation>
    </message>
    <message>
        <source>Enter water pressure, kPa: </source>
        <comment>edW</comment>
        <translation>Введите давление воды, кПа: </translation>
    </message>
    <message>
        <source>OK</source>
        <comment>BitBtn1</comment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>BitBtn3</comment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Properties of concrete</source>
        <comment>F_W</comment>
        <translation>Свойства бетона</translation>
    </message>
    <message>
        <source>Resistance to freezing and thawing is given</source>
        <comment>F</comment>
        <translation>Задана морозостойкость</translation>
    </message>
    <message>
        <source>The value of watertightness is given</source>
        <comment>W</comment>
        <translation>Задана водонепроницаемость</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>The print job could not be finished.</source>
        <translation>Не удалось завершить печать.</translation>
    </message>
    <message>
        <source>The print job could not be started.</source>
        <translation>Не удалось начать печать.</translation>
    </message>
</context>
<context>
    <name>TVubor_Econ</name>
    <message>
        <source>Adding of plasticizer</source>
        <comment>plast</comment>
        <translation>Введение пластификатора</translation>
    </message>
    <message>
        <source>Adding of superplasticizer</source>
        <comment>superplast</comment>
        <translation>Введение суперпластификатора</translation>
    </message>
    <message>
        <source>Enter amount of fly ash, kg per cu m: </source>
        <comment>edAsh</comment>
        <translation>Введите расход золы-уноса, кг/м³: </translation>
    </message>
    <message>
        <source>Enter compressive strength of cement, MPa:</source>
        <comment>edMarka_C</comment>
        <translation>Введите активность цемента, МПа:</translation>
    </message>
    <message>
        <source>Enter water-reducing effect,  %:</source>
        <comment>edPlast</comment>
        <translation>Введите водоредуцирующий эффект, %:</translation>
    </message>
    <message>
        <source>Enter water-reducing effect,  %:</source>
        <comment>edSuperplast</comment>
        <translation>Введите водоредуцирующий эффект, %:</translation>
    </message>
    <message>
        <source>Increasing of compressive strength of cement</source>
        <comment>marka_cem</comment>
        <translation>Повышение активности цемента</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>bbAsh</comment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>bbMarka_C</comment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>bbPlastif</comment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>bbSuperPlast</comment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Technological decisions for decreasing of cement content</source>
        <comment>Vubor_Econ</comment>
        <translation>Технологические решения по снижению расхода цемента</translation>
    </message>
    <message>
        <source>Using of fly ash</source>
        <comment>ash</comment>
        <translation>Применение золы-уноса</translation>
    </message>
</context>
<context>
    <name>Tcorrection</name>
    <message>
        <source>Amount of
mixing water:</source>
        <comment>edVoda</comment>
        <translation>Расход
воды затворения:</translation>
    </message>
    <message>
        <source>Amount of dry
coarse aggregates:</source>
        <comment>edSC</comment>
        <translation>Расход сухого
крупного заполнителя:</translation>
    </message>
    <message>
        <source>Amount of dry sand:</source>
        <comment>edP</comment>
        <translation>Расход сухого песка:</translation>
    </message>
    <message>
        <source>Correction concrete mixture</source>
        <translation>Корректировка состава бетона</translation>
    </message>
    <message>
        <source>Correction in depending on aggregates grading and humidity</source>
        <comment>correct_granulom</comment>
        <translation>Корректировка по зерновому составу и влажности заполнителей</translation>
    </message>
    <message>
        <source>Correction in depending on cement-water ratio and compressive strength</source>
        <comment>correct_strength</comment>
        <translation>Корректировка по Ц/В и прочности бетона</translation>
    </message>
    <message>
        <source>Correspondance cement-water ratio</source>
        <comment>edC_V1</comment>
        <translation>Соответствующее Ц/В</translation>
    </message>
    <message>
        <source>Correspondance cement-water ratio</source>
        <comment>edC_V2</comment>
        <translation>Соответствующее Ц/В</translation>
    </message>
    <message>
        <source>Enter first real value of concrete strength and
correspondance value of cement-water ratio</source>
        <comment>Label1</comment>
        <translation>Введите первое фактическое значение прочности бетона
и соответствующее ему цементно-водное отношение (Ц/В)</translation>
    </message>
    <message>
        <source>Enter humidity of materials, %</source>
        <comment>Label13</comment>
        <translation>Введите влажность материалов, %</translation>
    </message>
    <message>
        <source>Enter necessary amount of mixing water, kg per cu m</source>
        <comment>edV</comment>
        <translation>Введите требуемый расход воды затворения, кг/м³</translation>
    </message>
    <message>
        <source>Enter necessary strength of concrete, MPa</source>
        <comment>edRtr</comment>
        <translation>Введите требуемую прочность бетона, МПа</translation>
    </message>
    <message>
        <source>Enter quantities of materials, kg per cu m</source>
        <comment>Label9</comment>
        <translation>Введите расходы материалов, кг/м³</translation>
    </message>
    <message>
        <source>Enter second real value of concrete strength and
correspondance value of cement-water ratio</source>
        <comment>Label4</comment>
        <translation>Введите второе фактическое значение прочности бетона
и соответствующее ему цементно-водное отношение (Ц/В)</translation>
    </message>
    <message>
        <source>Enter share of sand in coarse aggregates
and share of coarse aggregates in sand, %</source>
        <comment>Label16</comment>
        <translation>Введите содержание песка в крупном заполнителе
и содержание крупного заполнителя в песке, %</translation>
    </message>
    <message>
        <source>Humidity of coarse aggregates:</source>
        <comment>edWsc</comment>
        <translation>Влажность крупного заполнителя:</translation>
    </message>
    <message>
        <source>Humidity of sand:</source>
        <comment>edWp</comment>
        <translation>Влажность песка:</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>bbcorrect_strength</comment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>bbcorrect_zapoln</comment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Share of coarse aggregates
in sand:</source>
        <comment>edYsc_p</comment>
        <translation>Содержание крупного
заполнителя в песке:</translation>
    </message>
    <message>
        <source>Share of sand
in coarse aggregates:</source>
        <comment>edXp_sc</comment>
        <translation>Содержание песка
в крупном заполнителе:</translation>
    </message>
    <message>
        <source>Strength of concrete, MPa</source>
        <comment>edRb1</comment>
        <translation>Прочность бетона, МПа</translation>
    </message>
    <message>
        <source>Strength of concrete, MPa</source>
        <comment>edRb2</comment>
        <translation>Прочность бетона, МПа</translation>
    </message>
    <message>
        <source>Mixer volume, cu m
(blank: no mixer load):</source>
        <comment>edMixerVolume</comment>
        <translation>Объём смесителя, куб. м
(пусто: без дозировки на замес):</translation>
    </message>
    <message>
        <source>Amount of cement, kg per cu m
(blank: none):</source>
        <comment>edCement</comment>
        <translation>Расход цемента, кг на куб. м
(пусто: нет):</translation>
    </message>
    <message>
        <source>Amount of fly ash, kg per cu m
(blank: none):</source>
        <comment>edFlyAsh</comment>
        <translation>Расход золы-уноса, кг на куб. м
(пусто: нет):</translation>
    </message>
    <message>
        <source>Amount of admixture, kg per cu m
(blank: none):</source>
        <comment>edAdmixture</comment>
        <translation>Расход добавки, кг на куб. м
(пусто: нет):</translation>
    </message>
</context>
<context>
    <name>Teconomy</name>
    <message>
        <source>Adding of plasticizer</source>
        <comment>rgEconomy</comment>
        <translation>Введение пластификатора</translation>
    </message>
    <message>
        <source>Adding of superplasticizer</source>
        <comment>rgEconomy</comment>
        <translation>Введение суперпластификатора</translation>
    </message>
    <message>
        <source>Increasing of compressive strength of cement </source>
        <comment>rgEconomy</comment>
        <translation>Повышение активности цемента </translation>
    </message>
    <message>
        <source>OK</source>
        <comment>BitBtn1</comment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Technological decisions for decreasing of cement content</source>
        <comment>economy</comment>
        <translation>Технологические решения по снижению расхода цемента</translation>
    </message>
    <message>
        <source>The offered technological decisions</source>
        <comment>rgEconomy</comment>
        <translation>Предлагаемые технологические решения</translation>
    </message>
    <message>
        <source>There is not necessary technological decision</source>
        <comment>rgEconomy</comment>
        <translation>Технологическое решение не требуется</translation>
    </message>
    <message>
        <source>Using of fly ash</source>
        <comment>rgEconomy</comment>
        <translation>Применение золы-уноса</translation>
    </message>
</context>
<context>
    <name>TfmAbout</name>
    <message>
        <source>About program</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Concrete mix proportioning,</source>
        <comment>lbTitle1</comment>
        <translation>Подбор состава бетона,</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>BitBtn1</comment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Orvan</source>
        <comment>lbProduct</comment>
        <translation>Orvan</translation>
    </message>
    <message>
        <source>Written by the Orvan developers
for the technologists of precast
and ready-mix concrete plants.
Version 6.4</source>
        <comment>lbCredits</comment>
        <translation>Разработана авторами Orvan
для технологов заводов ЖБИ
и бетонных заводов.
Версия 6.4</translation>
    </message>
    <message>
        <source>correction and strength control</source>
        <comment>lbTitle2</comment>
        <translation>корректировка и контроль прочности</translation>
    </message>
</context>
<context>
    <name>TfmBNS</name>
    <message>
        <source>Amount of clay lumps and
friable particles in coarse aggregates, %</source>
        <comment>edPr_Sc</comment>
        <translation>Содержание глины в комках и
слабых зёрен в крупном заполнителе, %</translation>
    </message>
    <message>
        <source>Amount of clay lumps and
friable particles in sand, %</source>
        <comment>edPr_P</comment>
        <translation>Содержание глины в комках и
слабых зёрен в песке, %</translation>
    </message>
    <message>
        <source>Bulk density of coarse aggregates, kg per cu m</source>
        <comment>edNPl_Sc</comment>
        <translation>Насыпная плотность крупного заполнителя, кг/м³</translation>
    </message>
    <message>
        <source>Bulk density of sand, kg per cu m</source>
        <comment>edNPl_P</comment>
        <translation>Насыпная плотность песка, кг/м³</translation>
    </message>
    <message>
        <source>Compressive strength
of concrete at 28 days, MPa</source>
        <comment>edClassBet</comment>
        <translation>Прочность бетона на сжатие
в возрасте 28 суток, МПа</translation>
    </message>
    <message>
        <source>Data for proportioning concrete mixture</source>
        <comment>fmBNS</comment>
        <translation>Исходные данные для подбора состава бетона</translation>
    </message>
    <message>
        <source>Fineness modulus of sand</source>
        <comment>edMkr_P</comment>
        <translation>Модуль крупности песка</translation>
    </message>
    <message>
        <source>Max. coarse aggregate size, mm</source>
        <comment>edNKr_Sc</comment>
        <translation>Наибольшая крупность зёрен щебня (гравия), мм</translation>
    </message>
    <message>
        <source>Normal consistency of cement paste, %</source>
        <comment>edNGCT</comment>
        <translation>Нормальная густота цементного теста, %</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>BitBtn1</comment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Slump, sm</source>
        <comment>rgYdoboykl</comment>
        <translation>Подвижность (осадка конуса), см</translation>
    </message>
    <message>
        <source>Value of concrete mix
workability</source>
        <comment>edYdoboykl</comment>
        <translation>Показатель удобоукладываемости
бетонной смеси</translation>
    </message>
    <message>
        <source>Vebe, sec</source>
        <comment>rgYdoboykl</comment>
        <translation>Жёсткость, с</translation>
    </message>
    <message>
        <source>Workability of concrete mix</source>
        <comment>rgYdoboykl</comment>
        <translation>Удобоукладываемость бетонной смеси</translation>
    </message>
    <message>
        <source>Сompressive strength of cement, MPa</source>
        <comment>edMarkCem</comment>
        <translation>Активность цемента, МПа</translation>
    </message>
</context>
<context>
    <name>TfmForm1</name>
    <message>
        <source>   Help</source>
        <comment>N40</comment>
        <translation>   Справка</translation>
    </message>
    <message>
        <source>  Файл</source>
        <comment>N1</comment>
        <translation>Файл</translation>
    </message>
    <message>
        <source>About program...</source>
        <comment>N43</comment>
        <translation>О программе...</translation>
    </message>
    <message>
        <source>Analyzed period...</source>
        <comment>N17</comment>
        <translation>Анализируемый период...</translation>
    </message>
    <message>
        <source>Analyzed period...</source>
        <comment>N36</comment>
        <translation>Анализируемый период...</translation>
    </message>
    <message>
        <source>Cascade</source>
        <comment>N20</comment>
        <translation>Каскад</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>N7</comment>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Controllable period...</source>
        <comment>N37</comment>
        <translation>Контролируемый период...</translation>
    </message>
    <message>
        <source>Controllable period...</source>
        <comment>Period_Control</comment>
        <translation>Контролируемый период...</translation>
    </message>
    <message>
        <source>Correction concrete mixture</source>
        <comment>N13</comment>
        <translation>Корректировка состава бетона</translation>
    </message>
    <message>
        <source>Correction concrete mixture</source>
        <comment>N31</comment>
        <translation>Корректировка состава бетона</translation>
    </message>
    <message>
        <source>Correction concrete mixture in depending on aggregates grading and humidity|Correction concrete mixture in depending on grading of aggregates and humidity</source>
        <comment>ToolButton6</comment>
        <translation>Корректировка состава по зерновому составу и влажности заполнителей|Корректировка состава бетонной смеси по зерновому составу и влажности заполнителей</translation>
    </message>
    <message>
        <source>Correction concrete mixture in depending on concrete strength|Correction concrete mixture in depending on strength of concrete and cement-water ratio</source>
        <comment>ToolButton5</comment>
        <translation>Корректировка состава по прочности бетона|Корректировка состава бетонной смеси по прочности бетона и цементно-водному отношению</translation>
    </message>
    <message>
        <source>English</source>
        <comment>LanguageEnglish</comment>
        <translation>English</translation>
    </message>
    <message>
        <source>Interface language</source>
        <comment>LanguageMenu</comment>
        <translation>Язык интерфейса</translation>
    </message>
    <message>
        <source>Menu Bar</source>
        <translation>Главное меню</translation>
    </message>
    <message>
        <source>New mixture...</source>
        <comment>N10</comment>
        <translation>Новый состав...</translation>
    </message>
    <message>
        <source>New mixture...</source>
        <comment>N28</comment>
        <translation>Новый состав...</translation>
    </message>
    <message>
        <source>Next</source>
        <comment>N23</comment>
        <translation>Следующее</translation>
    </message>
    <message>
        <source>Open graphic...</source>
        <comment>N25</comment>
        <translation>Открыть рисунок...</translation>
    </message>
    <message>
        <source>Open graphic...</source>
        <comment>N3</comment>
        <translation>Открыть рисунок...</translation>
    </message>
    <message>
        <source>Open graphic| Open graphic file</source>
        <comment>ToolButton2</comment>
        <translation>Открыть рисунок| Открыть графический файл</translation>
    </message>
    <message>
        <source>Open text...</source>
        <comment>N2</comment>
        <translation>Открыть текст...</translation>
    </message>
    <message>
        <source>Open text...</source>
        <comment>N24</comment>
        <translation>Открыть текст...</translation>
    </message>
    <message>
        <source>Open text|Open text file (*.txt)</source>
        <comment>ToolButton1</comment>
        <translation>Открыть текст|Открыть текстовый файл (*.txt)</translation>
    </message>
    <message>
        <source>Options for proportioning...</source>
        <comment>N12</comment>
        <translation>Параметры подбора состава...</translation>
    </message>
    <message>
        <source>Options for proportioning...</source>
        <comment>N29</comment>
        <translation>Параметры подбора состава...</translation>
    </message>
    <message>
        <source>Orvan Help</source>
        <comment>N41</comment>
        <translation>Справка Orvan</translation>
    </message>
    <message>
        <source>Orvan-6.3</source>
        <translation>Orvan-6.3</translation>
    </message>
    <message>
        <source>Orvan-6.4</source>
        <translation>Orvan-6.4</translation>
    </message>
    <message>
        <source>Previous</source>
        <comment>N8</comment>
        <translation>Предыдущее</translation>
    </message>
    <message>
        <source>Print...</source>
        <comment>N5</comment>
        <translation>Печать...</translation>
    </message>
    <message>
        <source>Proportioning concrete mixture</source>
        <comment>N27</comment>
        <translation>Подбор состава бетона</translation>
    </message>
    <message>
        <source>Proportioning concrete mixture</source>
        <comment>N9</comment>
        <translation>Подбор состава бетона</translation>
    </message>
    <message>
        <source>Proportioning concrete mixture|Proportioning concrete mixture</source>
        <comment>ToolButton4</comment>
        <translation>Подбор состава бетона|Подбор состава бетонной смеси</translation>
    </message>
    <message>
        <source>Reading the file...</source>
        <comment>readProgress</comment>
        <translation>Чтение файла...</translation>
    </message>
    <message>
        <source>Save...</source>
        <comment>N4</comment>
        <translation>Сохранить...</translation>
    </message>
    <message>
        <source>Save|Save file</source>
        <comment>ToolButton3</comment>
        <translation>Сохранить|Сохранить файл</translation>
    </message>
    <message>
        <source>Saving the file...</source>
        <comment>saveProgress</comment>
        <translation>Сохранение файла...</translation>
    </message>
    <message>
        <source>Statistical control</source>
        <comment>N16</comment>
        <translation>Статистический контроль</translation>
    </message>
    <message>
        <source>Statistical control</source>
        <comment>N35</comment>
        <translation>Статистический контроль</translation>
    </message>
    <message>
        <source>Statistical control. Analyzed period|Statistical control of concrete strength. Analyzed (initial) period</source>
        <comment>ToolButton7</comment>
        <translation>Статистический контроль. Анализируемый период|Статистический контроль прочности бетона. Анализируемый (начальный) период</translation>
    </message>
    <message>
        <source>Statistical control. Controllable period|Statistical control of concrete strength. Conrollable period</source>
        <comment>ToolButton8</comment>
        <translation>Статистический контроль. Контролируемый период|Статистический контроль прочности бетона. Контролируемый период</translation>
    </message>
    <message>
        <source>The interface language changes at the next start of the program.</source>
        <comment>LanguageMenu</comment>
        <translation>Язык интерфейса сменится при следующем запуске программы.</translation>
    </message>
    <message>
        <source>There are no printers installed. You can print to a file.</source>
        <comment>PrintDialog1</comment>
        <translation>Принтеры не установлены. Можно печатать в файл.</translation>
    </message>
    <message>
        <source>Tile</source>
        <comment>N21</comment>
        <translation>Мозаика</translation>
    </message>
    <message>
        <source>Window</source>
        <comment>N19</comment>
        <translation>Окно</translation>
    </message>
    <message>
        <source>in depending on aggregates grading and humidity...</source>
        <comment>correct_W_Zap</comment>
        <translation>по зерновому составу и влажности заполнителей...</translation>
    </message>
    <message>
        <source>in depending on aggregates grading...</source>
        <comment>N33</comment>
        <translation>по зерновому составу и влажности заполнителей...</translation>
    </message>
    <message>
        <source>in depending on concrete strength...</source>
        <comment>N32</comment>
        <translation>по прочности бетона...</translation>
    </message>
    <message>
        <source>in depending on concrete strength...</source>
        <comment>correct_Rb</comment>
        <translation>по прочности бетона...</translation>
    </message>
    <message>
        <source>Русский</source>
        <comment>LanguageRussian</comment>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Batch weights...</source>
        <comment>BatchWeights</comment>
        <translation>Дозировка на замес...</translation>
    </message>
    <message>
        <source>Batch weights...</source>
        <comment>PopupBatchWeights</comment>
        <translation>Дозировка на замес...</translation>
    </message>
    <message>
        <source>CUSUM...</source>
        <comment>PopupCusum</comment>
        <translation>Кумулятивные суммы (CUSUM)...</translation>
    </message>
    <message>
        <source>CUSUM...</source>
        <comment>StatCusum</comment>
        <translation>Кумулятивные суммы (CUSUM)...</translation>
    </message>
    <message>
        <source>Conformity...</source>
        <comment>PopupConformity</comment>
        <translation>Оценка соответствия...</translation>
    </message>
    <message>
        <source>Conformity...</source>
        <comment>StatConformity</comment>
        <translation>Оценка соответствия...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <comment>ExportPdf</comment>
        <translation>Экспорт в PDF...</translation>
    </message>
    <message>
        <source>Journal</source>
        <comment>Journal</comment>
        <translation>Журнал испытаний</translation>
    </message>
    <message>
        <source>Journal|Strength journal: mixes, parties and test results</source>
        <comment>ToolButtonJournal</comment>
        <translation>Журнал испытаний|Журнал испытаний прочности: составы, партии и результаты испытаний</translation>
    </message>
</context>
<context>
    <name>TfmOptions</name>
    <message>
        <source>Atmospheric steam curing is used</source>
        <comment>rgProparka</comment>
        <translation>Применяется пропаривание при атмосферном давлении</translation>
    </message>
    <message>
        <source>Crushed stones</source>
        <comment>rgZapolnitel</comment>
        <translation>Щебень</translation>
    </message>
    <message>
        <source>Gravels</source>
        <comment>rgZapolnitel</comment>
        <translation>Гравий</translation>
    </message>
    <message>
        <source>Kind of coarse aggregates</source>
        <comment>rgZapolnitel</comment>
        <translation>Вид крупного заполнителя</translation>
    </message>
    <message>
        <source>No</source>
        <comment>rgArmatyra</comment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>No</source>
        <comment>rgEconomy</comment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>No</source>
        <comment>rgFrost</comment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>No</source>
        <comment>rgProparka</comment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>No</source>
        <comment>rgWaterproof</comment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Number of freeze-thaw cycles is given</source>
        <comment>rgFrost</comment>
        <translation>Задана марка по морозостойкости</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>BitBtn1</comment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Options for proportioning concrete mixture</source>
        <comment>fmOptions</comment>
        <translation>Параметры подбора состава бетона</translation>
    </message>
    <message>
        <source>Reinforcement is used</source>
        <comment>rgArmatyra</comment>
        <translation>Бетон армированный</translation>
    </message>
    <message>
        <source>Relative density of cement</source>
        <comment>edPlotnostC</comment>
        <translation>Истинная плотность цемента, кг/л</translation>
    </message>
    <message>
        <source>Relative density of coarse aggregates</source>
        <comment>edPlotnostSC</comment>
        <translation>Плотность зёрен крупного заполнителя, кг/л</translation>
    </message>
    <message>
        <source>Relative density of sand</source>
        <comment>edPlotnostP</comment>
        <translation>Плотность зёрен песка, кг/л</translation>
    </message>
    <message>
        <source>Save current options</source>
        <comment>BitBtn3</comment>
        <translation>Сохранить текущие параметры</translation>
    </message>
    <message>
        <source>Technological decisions for decreasing of cement content is used</source>
        <comment>rgEconomy</comment>
        <translation>Применяются технологические решения по снижению расхода цемента</translation>
    </message>
    <message>
        <source>Temperature of fresh concrete, Celsium</source>
        <comment>edTemperatyr</comment>
        <translation>Температура бетонной смеси, °C</translation>
    </message>
    <message>
        <source>Value of watertightness is given</source>
        <comment>rgWaterproof</comment>
        <translation>Задана марка по водонепроницаемости</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>rgArmatyra</comment>
        <translation>Да</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>rgEconomy</comment>
        <translation>Да</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>rgFrost</comment>
        <translation>Да</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>rgProparka</comment>
        <translation>Да</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>rgWaterproof</comment>
        <translation>Да</translation>
    </message>
</context>
<context>
    <name>TfmPeriod_Analiz1</name>
    <message>
        <source>10 parties (3 extracts in each batch)</source>
        <comment>rgCount_Party</comment>
        <translation>10 партий (по 3 выборки в каждой)</translation>
    </message>
    <message>
        <source>5 parties (6 extracts in each batch)</source>
        <comment>rgCount_Party</comment>
        <translation>5 партий (по 6 выборок в каждой)</translation>
    </message>
    <message>
        <source>Choose duration of the analyzed period</source>
        <comment>rgCount_Party</comment>
        <translation>Выберите количество партий в анализируемом периоде</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>BitBtn1</comment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Statistical control of concrete strength. Analyzed period.</source>
        <translation>Статистический контроль прочности бетона. Анализируемый период.</translation>
    </message>
    <message>
        <source>Strength of concrete, MPa</source>
        <comment>edB</comment>
        <translation>Нормируемый класс бетона, В</translation>
    </message>
</context>
<context>
    <name>TfmPeriod_Control1</name>
    <message>
        <source>Bottom limit of correcting:</source>
        <comment>edRcor2</comment>
        <translation>Нижняя граница регулирования:</translation>
    </message>
    <message>
        <source>Bottom limit of warning:</source>
        <comment>edRpr2</comment>
        <translation>Нижняя предупредительная граница:</translation>
    </message>
    <message>
        <source>Enter average level of strength, MPa</source>
        <comment>edRy</comment>
        <translation>Введите средний уровень прочности, МПа</translation>
    </message>
    <message>
        <source>Enter limits of correcting, MPa</source>
        <comment>GroupBox2</comment>
        <translation>Введите границы регулирования, МПа</translation>
    </message>
    <message>
        <source>Enter limits of warning, MPa</source>
        <comment>GroupBox1</comment>
        <translation>Введите предупредительные границы, МПа</translation>
    </message>
    <message>
        <source>Enter quantity of controllable </source>
        <comment>edCountParty</comment>
        <translation>Введите количество контролируемых </translation>
    </message>
    <message>
        <source>OK</source>
        <comment>BitBtn1</comment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Statistical control of concrete strength. Controllable period.</source>
        <translation>Статистический контроль прочности бетона. Контролируемый период.</translation>
    </message>
    <message>
        <source>Top limit of correcting:</source>
        <comment>edRcor1</comment>
        <translation>Верхняя граница регулирования:</translation>
    </message>
    <message>
        <source>Top limit of warning:</source>
        <comment>edRpr1</comment>
        <translation>Верхняя предупредительная граница:</translation>
    </message>
    <message>
        <source>industrial parties of concrete</source>
        <comment>edCountParty</comment>
        <translation>производственных партий бетона</translation>
    </message>
    <message>
        <source>From journal...</source>
        <comment>bbFromJournal</comment>
        <translation>Из журнала...</translation>
    </message>
</context>
<context>
    <name>TfmPeriod_Control2</name>
    <message>
        <source>Whole period</source>
        <comment>bbWhole</comment>
        <translation>Весь период</translation>
    </message>
    <message>
        <source>Party numbers</source>
        <comment>cbPartyAxis</comment>
        <translation>Номера партий</translation>
    </message>
    <message>
        <source>Dates</source>
        <comment>cbPartyAxis</comment>
        <translation>Даты</translation>
    </message>
    <message>
        <source>Party %1 of %2: %3 MPa</source>
        <comment>Chart1</comment>
        <translation>Партия %1 от %2: %3 МПа</translation>
    </message>
    <message>
        <source>Party %1 of %2: %3 MPa (predicted)</source>
        <comment>Chart1</comment>
        <translation>Партия %1 от %2: %3 МПа (прогноз)</translation>
    </message>
    <message>
        <source>Party %1: %2 MPa</source>
        <comment>Chart1</comment>
        <translation>Партия %1: %2 МПа</translation>
    </message>
    <message>
        <source>All (*.bmp;*.ico;*.emf;*.wmf)</source>
        <comment>SavePictureDialog1</comment>
        <translation>Все (*.bmp;*.ico;*.emf;*.wmf)</translation>
    </message>
    <message>
        <source>Average level of strength</source>
        <comment>Series5</comment>
        <translation>Средний уровень прочности</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <comment>SavePictureDialog1</comment>
        <translation>Точечные рисунки (*.bmp)</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>BitBtn2</comment>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Controllable industrial parties of concrete</source>
        <comment>BottomAxis</comment>
        <translation>Контролируемые производственные партии бетона</translation>
    </message>
    <message>
        <source>Enhanced Metafiles (*.emf)</source>
        <comment>SavePictureDialog1</comment>
        <translation>Расширенные метафайлы (*.emf)</translation>
    </message>
    <message>
        <source>Icons (*.ico)</source>
        <comment>SavePictureDialog1</comment>
        <translation>Значки (*.ico)</translation>
    </message>
    <message>
        <source>Limit of correcting</source>
        <comment>Series3</comment>
        <translation>Верхняя граница регулирования</translation>
    </message>
    <message>
        <source>Limit of correcting</source>
        <comment>Series4</comment>
        <translation>Нижняя граница регулирования</translation>
    </message>
    <message>
        <source>Limit of warning</source>
        <comment>Series1</comment>
        <translation>Нижняя предупредительная граница</translation>
    </message>
    <message>
        <source>Limit of warning</source>
        <comment>Series2</comment>
        <translation>Верхняя предупредительная граница</translation>
    </message>
    <message>
        <source>Metafiles (*.wmf)</source>
        <comment>SavePictureDialog1</comment>
        <translation>Метафайлы (*.wmf)</translation>
    </message>
    <message>
        <source>Real strength of concrete</source>
        <comment>Series6</comment>
        <translation>Фактическая прочность бетона</translation>
    </message>
    <message>
        <source>Predicted strength</source>
        <comment>PredictedStrength</comment>
        <translation>Прогноз прочности</translation>
    </message>
    <message>
        <source>Save...</source>
        <comment>BitBtn1</comment>
        <translation>Сохранить...</translation>
    </message>
    <message>
        <source>Statistical control of concrete strength. Controllable period.</source>
        <translation>Статистический контроль прочности бетона. Контролируемый период.</translation>
    </message>
    <message>
        <source>Strength of concrete, MPa</source>
        <comment>LeftAxis</comment>
        <translation>Прочность бетона, МПа</translation>
    </message>
    <message>
        <source>Technological card of concrete strength</source>
        <comment>Chart1</comment>
        <translation>Контрольная карта прочности бетона</translation>
    </message>
    <message>
        <source>The picture could not be saved to &quot;%1&quot;: %2</source>
        <comment>BitBtn1</comment>
        <translation>Не удалось сохранить рисунок в «%1»: %2</translation>
    </message>
</context>
<context>
    <name>TfmPeriod_Control3</name>
    <message>
        <source>OK</source>
        <comment>BitBtn1</comment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Statistical control </source>
        <translation>Статистический контроль </translation>
    </message>
    <message>
        <source>Strength in %1 party, MPa:</source>
        <comment>Label1</comment>
        <translation>Прочность бетона в %1-й партии, МПа:</translation>
    </message>
</context>
<context>
    <name>TfmPeriod_analiz2_15</name>
    <message>
        <source>%1 lines; the period needs %2 parties.</source>
        <comment>bbPaste</comment>
        <translation>В блоке строк: %1, а партий в периоде: %2 (по одной партии в строке).</translation>
    </message>
    <message>
        <source>1-st party</source>
        <comment>TabSheet1</comment>
        <translation>1-я партия</translation>
    </message>
    <message>
        <source>10-th party</source>
        <comment>TabSheet10</comment>
        <translation>10-я партия</translation>
    </message>
    <message>
        <source>2-nd party</source>
        <comment>TabSheet2</comment>
        <translation>2-я партия</translation>
    </message>
    <message>
        <source>3-rd party</source>
        <comment>TabSheet3</comment>
        <translation>3-я партия</translation>
    </message>
    <message>
        <source>4-th party</source>
        <comment>TabSheet4</comment>
        <translation>4-я партия</translation>
    </message>
    <message>
        <source>5-th party</source>
        <comment>TabSheet5</comment>
        <translation>5-я партия</translation>
    </message>
    <message>
        <source>6-th party</source>
        <comment>TabSheet6</comment>
        <translation>6-я партия</translation>
    </message>
    <message>
        <source>7-th party</source>
        <comment>TabSheet7</comment>
        <translation>7-я партия</translation>
    </message>
    <message>
        <source>8-th party</source>
        <comment>TabSheet8</comment>
        <translation>8-я партия</translation>
    </message>
    <message>
        <source>9-th party</source>
        <comment>TabSheet9</comment>
        <translation>9-я партия</translation>
    </message>
    <message>
        <source>Data error</source>
        <comment>BitBtn1</comment>
        <translation>Ошибка в данных</translation>
    </message>
    <message>
        <source>Enter average strength in 1-st extract, MPa</source>
        <comment>edR10_1</comment>
        <translation>Введите среднюю прочность в 1-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 1-st extract, MPa</source>
        <comment>edR1_1</comment>
        <translation>Введите среднюю прочность в 1-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 1-st extract, MPa</source>
        <comment>edR2_1</comment>
        <translation>Введите среднюю прочность в 1-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 1-st extract, MPa</source>
        <comment>edR3_1</comment>
        <translation>Введите среднюю прочность в 1-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 1-st extract, MPa</source>
        <comment>edR4_1</comment>
        <translation>Введите среднюю прочность в 1-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 1-st extract, MPa</source>
        <comment>edR5_1</comment>
        <translation>Введите среднюю прочность в 1-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 1-st extract, MPa</source>
        <comment>edR6_1</comment>
        <translation>Введите среднюю прочность в 1-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 1-st extract, MPa</source>
        <comment>edR7_1</comment>
        <translation>Введите среднюю прочность в 1-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 1-st extract, MPa</source>
        <comment>edR8_1</comment>
        <translation>Введите среднюю прочность в 1-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 1-st extract, MPa</source>
        <comment>edR9_1</comment>
        <translation>Введите среднюю прочность в 1-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 2-nd extract, MPa</source>
        <comment>edR10_2</comment>
        <translation>Введите среднюю прочность в 2-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 2-nd extract, MPa</source>
        <comment>edR1_2</comment>
        <translation>Введите среднюю прочность в 2-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 2-nd extract, MPa</source>
        <comment>edR2_2</comment>
        <translation>Введите среднюю прочность в 2-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 2-nd extract, MPa</source>
        <comment>edR3_2</comment>
        <translation>Введите среднюю прочность в 2-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 2-nd extract, MPa</source>
        <comment>edR4_2</comment>
        <translation>Введите среднюю прочность в 2-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 2-nd extract, MPa</source>
        <comment>edR5_2</comment>
        <translation>Введите среднюю прочность в 2-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 2-nd extract, MPa</source>
        <comment>edR6_2</comment>
        <translation>Введите среднюю прочность в 2-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 2-nd extract, MPa</source>
        <comment>edR7_2</comment>
        <translation>Введите среднюю прочность в 2-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 2-nd extract, MPa</source>
        <comment>edR8_2</comment>
        <translation>Введите среднюю прочность в 2-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 2-nd extract, MPa</source>
        <comment>edR9_2</comment>
        <translation>Введите среднюю прочность в 2-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 3-rd extract, MPa</source>
        <comment>edR10_3</comment>
        <translation>Введите среднюю прочность в 3-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 3-rd extract, MPa</source>
        <comment>edR1_3</comment>
        <translation>Введите среднюю прочность в 3-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 3-rd extract, MPa</source>
        <comment>edR2_3</comment>
        <translation>Введите среднюю прочность в 3-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 3-rd extract, MPa</source>
        <comment>edR3_3</comment>
        <translation>Введите среднюю прочность в 3-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 3-rd extract, MPa</source>
        <comment>edR4_3</comment>
        <translation>Введите среднюю прочность в 3-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 3-rd extract, MPa</source>
        <comment>edR5_3</comment>
        <translation>Введите среднюю прочность в 3-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 3-rd extract, MPa</source>
        <comment>edR6_3</comment>
        <translation>Введите среднюю прочность в 3-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 3-rd extract, MPa</source>
        <comment>edR7_3</comment>
        <translation>Введите среднюю прочность в 3-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 3-rd extract, MPa</source>
        <comment>edR8_3</comment>
        <translation>Введите среднюю прочность в 3-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 3-rd extract, MPa</source>
        <comment>edR9_3</comment>
        <translation>Введите среднюю прочность в 3-й выборке, МПа</translation>
    </message>
    <message>
        <source>Fill every extract field from the clipboard: one party per line, extracts separated by commas, semicolons or tabs</source>
        <comment>bbPaste</comment>
        <translation>Заполнить все поля выборок из буфера обмена: одна партия в строке, выборки через запятую, точку с запятой или табуляцию</translation>
    </message>
    <message>
        <source>Line %1 holds %2 extracts; a party needs %3.</source>
        <comment>bbPaste</comment>
        <translation>В строке %1 выборок: %2, а в партии их должно быть %3.</translation>
    </message>
    <message>
        <source>Nothing was pasted.</source>
        <comment>bbPaste</comment>
        <translation>Ничего не вставлено.</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>BitBtn1</comment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Paste</source>
        <comment>bbPaste</comment>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Statistical control of concrete strength. Analyzed period.</source>
        <translation>Проводится стат. контроль прочности. Анализируемый период.</translation>
    </message>
</context>
<context>
    <name>TfmPeriod_analiz2_5</name>
    <message>
        <source>%1 lines; the period needs %2 parties.</source>
        <comment>bbPaste</comment>
        <translation>В блоке строк: %1, а партий в периоде: %2 (по одной партии в строке).</translation>
    </message>
    <message>
        <source>1-st party</source>
        <comment>TabSheet1</comment>
        <translation>1-я партия</translation>
    </message>
    <message>
        <source>2-nd party</source>
        <comment>TabSheet2</comment>
        <translation>2-я партия</translation>
    </message>
    <message>
        <source>3-rd party</source>
        <comment>TabSheet3</comment>
        <translation>3-я партия</translation>
    </message>
    <message>
        <source>4-th party</source>
        <comment>TabSheet4</comment>
        <translation>4-я партия</translation>
    </message>
    <message>
        <source>5-th party</source>
        <comment>TabSheet5</comment>
        <translation>5-я партия</translation>
    </message>
    <message>
        <source>Data error</source>
        <comment>BitBtn1</comment>
        <translation>Ошибка в данных</translation>
    </message>
    <message>
        <source>Enter average strength in 1-st extract, MPa</source>
        <comment>edR1_1</comment>
        <translation>Введите среднюю прочность в 1-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 1-st extract, MPa</source>
        <comment>edR2_1</comment>
        <translation>Введите среднюю прочность в 1-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 1-st extract, MPa</source>
        <comment>edR3_1</comment>
        <translation>Введите среднюю прочность в 1-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 1-st extract, MPa</source>
        <comment>edR4_1</comment>
        <translation>Введите среднюю прочность в 1-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 1-st extract, MPa</source>
        <comment>edR5_1</comment>
        <translation>Введите среднюю прочность в 1-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 2-nd extract, MPa</source>
        <comment>edR1_2</comment>
        <translation>Введите среднюю прочность в 2-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 2-nd extract, MPa</source>
        <comment>edR2_2</comment>
        <translation>Введите среднюю прочность в 2-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 2-nd extract, MPa</source>
        <comment>edR3_2</comment>
        <translation>Введите среднюю прочность в 2-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 2-nd extract, MPa</source>
        <comment>edR4_2</comment>
        <translation>Введите среднюю прочность в 2-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 2-nd extract, MPa</source>
        <comment>edR5_2</comment>
        <translation>Введите среднюю прочность в 2-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 3-rd extract, MPa</source>
        <comment>edR1_3</comment>
        <translation>Введите среднюю прочность в 3-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 3-rd extract, MPa</source>
        <comment>edR2_3</comment>
        <translation>Введите среднюю прочность в 3-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 3-rd extract, MPa</source>
        <comment>edR3_3</comment>
        <translation>Введите среднюю прочность в 3-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 3-rd extract, MPa</source>
        <comment>edR4_3</comment>
        <translation>Введите среднюю прочность в 3-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 3-rd extract, MPa</source>
        <comment>edR5_3</comment>
        <translation>Введите среднюю прочность в 3-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 4-th extract, MPa</source>
        <comment>edR1_4</comment>
        <translation>Введите среднюю прочность в 4-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 4-th extract, MPa</source>
        <comment>edR2_4</comment>
        <translation>Введите среднюю прочность в 4-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 4-th extract, MPa</source>
        <comment>edR3_4</comment>
        <translation>Введите среднюю прочность в 4-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 4-th extract, MPa</source>
        <comment>edR4_4</comment>
        <translation>Введите среднюю прочность в 4-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 4-th extract, MPa</source>
        <comment>edR5_4</comment>
        <translation>Введите среднюю прочность в 4-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 5-th extract, MPa</source>
        <comment>edR1_5</comment>
        <translation>Введите среднюю прочность в 5-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 5-th extract, MPa</source>
        <comment>edR2_5</comment>
        <translation>Введите среднюю прочность в 5-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 5-th extract, MPa</source>
        <comment>edR3_5</comment>
        <translation>Введите среднюю прочность в 5-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 5-th extract, MPa</source>
        <comment>edR4_5</comment>
        <translation>Введите среднюю прочность в 5-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 5-th extract, MPa</source>
        <comment>edR5_5</comment>
        <translation>Введите среднюю прочность в 5-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 6-th extract, MPa</source>
        <comment>edR1_6</comment>
        <translation>Введите среднюю прочность в 6-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 6-th extract, MPa</source>
        <comment>edR2_6</comment>
        <translation>Введите среднюю прочность в 6-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 6-th extract, MPa</source>
        <comment>edR3_6</comment>
        <translation>Введите среднюю прочность в 6-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 6-th extract, MPa</source>
        <comment>edR4_6</comment>
        <translation>Введите среднюю прочность в 6-й выборке, МПа</translation>
    </message>
    <message>
        <source>Enter average strength in 6-th extract, MPa</source>
        <comment>edR5_6</comment>
        <translation>Введите среднюю прочность в 6-й выборке, МПа</translation>
    </message>
    <message>
        <source>Fill every extract field from the clipboard: one party per line, extracts separated by commas, semicolons or tabs</source>
        <comment>bbPaste</comment>
        <translation>Заполнить все поля выборок из буфера обмена: одна партия в строке, выборки через запятую, точку с запятой или табуляцию</translation>
    </message>
    <message>
        <source>Line %1 holds %2 extracts; a party needs %3.</source>
        <comment>bbPaste</comment>
        <translation>В строке %1 выборок: %2, а в партии их должно быть %3.</translation>
    </message>
    <message>
        <source>Nothing was pasted.</source>
        <comment>bbPaste</comment>
        <translation>Ничего не вставлено.</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>BitBtn1</comment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Paste</source>
        <comment>bbPaste</comment>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Statistical control of concrete strength. Analyzed period.</source>
        <translation>Проводится стат. контроль прочности бетона. Анализируемый период.</translation>
    </message>
</context>
<context>
    <name>TfmShowPicture</name>
    <message>
        <source>All (*.bmp;*.ico;*.emf;*.wmf)</source>
        <comment>OpenPictureDialog1</comment>
        <translation>Все (*.bmp;*.ico;*.emf;*.wmf)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <comment>OpenPictureDialog1</comment>
        <translation>Точечные рисунки (*.bmp)</translation>
    </message>
    <message>
        <source>Enhanced Metafiles (*.emf)</source>
        <comment>OpenPictureDialog1</comment>
        <translation>Расширенные метафайлы (*.emf)</translation>
    </message>
    <message>
        <source>Icons (*.ico)</source>
        <comment>OpenPictureDialog1</comment>
        <translation>Значки (*.ico)</translation>
    </message>
    <message>
        <source>Metafiles (*.wmf)</source>
        <comment>OpenPictureDialog1</comment>
        <translation>Метафайлы (*.wmf)</translation>
    </message>
    <message>
        <source>Open as &amp;read-only</source>
        <comment>ReadOnlyBox</comment>
        <translation>Открыть только для &amp;чтения</translation>
    </message>
    <message>
        <source>Viewing of pictures</source>
        <translation>Просмотр рисунков</translation>
    </message>
</context>
<context>
    <name>TfmTVO</name>
    <message>
        <source>Accelerating admixtures</source>
        <comment>rgYskoriteli</comment>
        <translation>Добавки-ускорители твердения</translation>
    </message>
    <message>
        <source>Accelerating admixtures are not used</source>
        <comment>rgYskoriteli</comment>
        <translation>Добавки-ускорители не применяются</translation>
    </message>
    <message>
        <source>Calcium chloride</source>
        <comment>rgYskoriteli</comment>
        <translation>Хлорид кальция</translation>
    </message>
    <message>
        <source>Initial data for steam curing</source>
        <comment>fmTVO</comment>
        <translation>Исходные данные для пропаривания</translation>
    </message>
    <message>
        <source>Natrium sulphate</source>
        <comment>rgYskoriteli</comment>
        <translation>Сульфат натрия</translation>
    </message>
    <message>
        <source>Normal portland cement (Type 10)</source>
        <comment>rgVid_Cem</comment>
        <translation>Портландцемент (тип 10)</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>BitBtn1</comment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Period after steam curing, hours:</source>
        <comment>edT_vuderz</comment>
        <translation>Выдерживание после пропаривания, ч:</translation>
    </message>
    <message>
        <source>Portland-Blast-Furnace-Slag cement (Type 10S)</source>
        <comment>rgVid_Cem</comment>
        <translation>Шлакопортландцемент (тип 10S)</translation>
    </message>
    <message>
        <source>Steaming period, hours:</source>
        <comment>edT_prop</comment>
        <translation>Продолжительность пропаривания, ч:</translation>
    </message>
    <message>
        <source>Superplasticizer</source>
        <comment>rgYskoriteli</comment>
        <translation>Суперпластификатор</translation>
    </message>
    <message>
        <source>Type of cement</source>
        <comment>rgVid_Cem</comment>
        <translation>Вид цемента</translation>
    </message>
</context>
<context>
    <name>JournalWindow</name>
    <message>
        <source>10 parties (3 extracts in each batch)</source>
        <translation>10 партий (по 3 выборки в каждой)</translation>
    </message>
    <message>
        <source>5 parties (6 extracts in each batch)</source>
        <translation>5 партий (по 6 выборок в каждой)</translation>
    </message>
    <message>
        <source>Add mix...</source>
        <translation>Добавить состав...</translation>
    </message>
    <message>
        <source>Add party...</source>
        <translation>Добавить партию...</translation>
    </message>
    <message>
        <source>Analyzed period</source>
        <translation>Анализируемый период</translation>
    </message>
    <message>
        <source>Class B, MPa</source>
        <translation>Класс В, МПа</translation>
    </message>
    <message>
        <source>Control chart</source>
        <translation>Контрольная карта</translation>
    </message>
    <message>
        <source>Conformity...</source>
        <translation>Оценка соответствия...</translation>
    </message>
    <message>
        <source>No party of the mix is dated in the filter&apos;s range</source>
        <translation>Нет партий состава с датами в пределах фильтра</translation>
    </message>
    <message>
        <source>Dated from</source>
        <translation>Даты с</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete mix</source>
        <translation>Удалить состав</translation>
    </message>
    <message>
        <source>Edit party...</source>
        <translation>Изменить партию...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Экспорт в CSV...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Импорт из CSV...</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Журнал испытаний</translation>
    </message>
    <message>
        <source>Load design</source>
        <translation>Загрузить состав</translation>
    </message>
    <message>
        <source>Mixes</source>
        <translation>Составы</translation>
    </message>
    <message>
        <source>Parties and extracts</source>
        <translation>Партии и выборки</translation>
    </message>
    <message>
        <source>Parties dated on or before</source>
        <translation>Партии по дату включительно</translation>
    </message>
    <message>
        <source>Paste extracts</source>
        <translation>Вставить выборки</translation>
    </message>
    <message>
        <source>Save design</source>
        <translation>Сохранить состав</translation>
    </message>
    <message>
        <source>Statistical control from the journal</source>
        <translation>Статистический контроль по журналу</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>ГГГГ-ММ-ДД</translation>
    </message>
    <message>
        <source>to</source>
        <translation>по</translation>
    </message>
    <message>
        <source>Journal: %1</source>
        <translation>Журнал испытаний: %1</translation>
    </message>
    <message>
        <source>Date (YYYY-MM-DD)</source>
        <translation>Дата (ГГГГ-ММ-ДД)</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Партия</translation>
    </message>
    <message>
        <source>Extract strengths, MPa, separated by ";"</source>
        <translation>Прочность выборок, МПа, через ";"</translation>
    </message>
    <message>
        <source>%1-day extract strengths, MPa</source>
        <translation>Прочность выборок в %1 сут, МПа</translation>
    </message>
    <message>
        <source>Name of the new mix</source>
        <translation>Название нового состава</translation>
    </message>
    <message>
        <source>Choose a mix first</source>
        <translation>Сначала выберите состав</translation>
    </message>
    <message>
        <source>New party</source>
        <translation>Новая партия</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Импорт из CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Файлы CSV (*.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation>Ничего не импортировано.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>и ещё %1</translation>
    </message>
    <message>
        <source>Added %1 parties and %2 extracts</source>
        <translation>Добавлено партий: %1, выборок: %2</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Экспорт в CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Экспортировано в %1</translation>
    </message>
    <message>
        <source>The day is written YYYY-MM-DD</source>
        <translation>Дата записывается как ГГГГ-ММ-ДД</translation>
    </message>
    <message>
        <source>No mix of the journal has a stored analysed period</source>
        <translation>Ни у одного состава журнала нет сохранённого анализируемого периода</translation>
    </message>
    <message>
        <source>Analysed period of the mix</source>
        <translation>Анализируемый период состава</translation>
    </message>
    <message>
        <source>The mix has no stored analysed period: compute it first</source>
        <translation>У состава нет сохранённого анализируемого периода: сначала рассчитайте его</translation>
    </message>
    <message>
        <source>No party of the mix is dated after its analysed period (%1)</source>
        <translation>Нет партий состава с датой после его анализируемого периода (%1)</translation>
    </message>
    <message>
        <source>There is no proportioning report window to save</source>
        <translation>Нет окна отчёта о подборе состава для сохранения</translation>
    </message>
    <message>
        <source>Saved the design of %1 from %2</source>
        <translation>Состав %1 сохранён из %2</translation>
    </message>
    <message>
        <source>The mix has no saved design</source>
        <translation>У состава нет сохранённого подбора</translation>
    </message>
    <message>
        <source>Loaded the design saved %1 into the proportioning dialogs</source>
        <translation>Подбор, сохранённый %1, загружен в окна подбора состава</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Extracts, MPa</source>
        <translation>Выборки, МПа</translation>
    </message>
    <message>
        <source>Mean strength, MPa</source>
        <translation>Средняя прочность, МПа</translation>
    </message>
    <message>
        <source>%1 lines; the first: %2</source>
        <translation>Строк: %1; первая: %2</translation>
    </message>
    <message>
        <source>&amp;Journal</source>
        <translation>&amp;Журнал</translation>
    </message>
    <message>
        <source>Added the mix %1</source>
        <translation>Добавлен состав %1</translation>
    </message>
    <message>
        <source>Added the party %1</source>
        <translation>Добавлена партия %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Changed the party %1</source>
        <translation>Изменена партия %1</translation>
    </message>
    <message>
        <source>Choose another journal in the Journal menu.</source>
        <translation>Выберите другой журнал в меню «Журнал».</translation>
    </message>
    <message>
        <source>Choose the event to undo first</source>
        <translation>Сначала выберите событие для отмены</translation>
    </message>
    <message>
        <source>Choose the parties to delete first</source>
        <translation>Сначала выберите партии для удаления</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>Подключение к серверу</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>База данных</translation>
    </message>
    <message>
        <source>Delete %1 parties (%2) with %3 results?</source>
        <translation>Удалить партии (%1: %2) с результатами (%3)?</translation>
    </message>
    <message>
        <source>Delete mix %1 with %2 parties and %3 results?</source>
        <translation>Удалить состав %1 с партиями (%2) и результатами (%3)?</translation>
    </message>
    <message>
        <source>Deleted %1 parties; History... can undo it</source>
        <translation>Удалено партий: %1; отменить можно в «Истории...»</translation>
    </message>
    <message>
        <source>Deleted the mix %1; History... can undo it</source>
        <translation>Удалён состав %1; отменить можно в «Истории...»</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>History of the journal</source>
        <translation>История журнала</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>Importing %1</source>
        <translation>Импорт %1</translation>
    </message>
    <message>
        <source>It can be undone from the journal's history.</source>
        <translation>Это можно отменить в истории журнала.</translation>
    </message>
    <message>
        <source>Journal - %1</source>
        <translation>Журнал - %1</translation>
    </message>
    <message>
        <source>Journal: %1 (the role %2 may not %3)</source>
        <translation>Журнал: %1 (роли %2 нельзя %3)</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Состав</translation>
    </message>
    <message>
        <source>New journal</source>
        <translation>Новый журнал</translation>
    </message>
    <message>
        <source>Nothing was pasted.</source>
        <translation>Ничего не вставлено.</translation>
    </message>
    <message>
        <source>Open journal</source>
        <translation>Открыть журнал</translation>
    </message>
    <message>
        <source>Parties</source>
        <translation>Партии</translation>
    </message>
    <message>
        <source>Pasted %1 parties</source>
        <translation>Вставлено партий: %1</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Причина</translation>
    </message>
    <message>
        <source>Reason (kept in the history)</source>
        <translation>Причина (сохраняется в истории)</translation>
    </message>
    <message>
        <source>Save a copy of the journal</source>
        <translation>Сохранить копию журнала</translation>
    </message>
    <message>
        <source>Saved a copy: %1 mixes, %2 parties, %3 events in %4</source>
        <translation>Копия сохранена: составов %1, партий %2, событий %3 в %4</translation>
    </message>
    <message>
        <source>The analysed period of %1 is stored with the mix</source>
        <translation>Анализируемый период состава %1 сохранён</translation>
    </message>
    <message>
        <source>The file %1 cannot be replaced</source>
        <translation>Файл %1 нельзя заменить</translation>
    </message>
    <message>
        <source>The file %1 is there already: open it, or choose a new name</source>
        <translation>Файл %1 уже есть: откройте его или выберите новое имя</translation>
    </message>
    <message>
        <source>The import was cancelled: nothing was imported</source>
        <translation>Импорт отменён: ничего не импортировано</translation>
    </message>
    <message>
        <source>The journal is damaged and is open read-only: analysis and copy still work, nothing is written.</source>
        <translation>Журнал повреждён и открыт только для чтения: анализ и копирование доступны, записи нет.</translation>
    </message>
    <message>
        <source>The journal is sound</source>
        <translation>Журнал исправен</translation>
    </message>
    <message>
        <source>The password is taken from ~/.pgpass or PGPASSWORD; the program never stores it.</source>
        <translation>Пароль берётся из ~/.pgpass или PGPASSWORD; программа его не хранит.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Undo event %1 (%2 %3)?</source>
        <translation>Отменить событие %1 (%2 %3)?</translation>
    </message>
    <message>
        <source>Undo...</source>
        <translation>Отменить...</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Что</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Кто</translation>
    </message>
    <message>
        <source>add, edit or delete</source>
        <translation>добавлять, изменять и удалять</translation>
    </message>
    <message>
        <source>edit, delete or undo</source>
        <translation>изменять, удалять и отменять</translation>
    </message>
    <message>
        <source>Check the journal</source>
        <translation>Проверить журнал</translation>
    </message>
    <message>
        <source>Connect to a server...</source>
        <translation>Подключиться к серверу...</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>История...</translation>
    </message>
    <message>
        <source>New journal...</source>
        <translation>Новый журнал...</translation>
    </message>
    <message>
        <source>Open journal...</source>
        <translation>Открыть журнал...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Save a copy...</source>
        <translation>Сохранить копию...</translation>
    </message>
    <message>
        <source>From</source>
        <translation>С</translation>
    </message>
    <message>
        <source>To</source>
        <translation>По</translation>
    </message>
    <message>
        <source>Journals (*.sqlite);;All files (*)</source>
        <translation>Журналы (*.sqlite);;Все файлы (*)</translation>
    </message>
    <message>
        <source>28-day prediction</source>
        <translation>Прогноз 28-суточной прочности</translation>
    </message>
    <message>
        <source>CUSUM</source>
        <translation>CUSUM</translation>
    </message>
    <message>
        <source>Correct the mix...</source>
        <translation>Корректировать состав...</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Состав</translation>
    </message>
    <message>
        <source>%1-day extracts, MPa</source>
        <translation>Образцы %1 сут, МПа</translation>
    </message>
    <message>
        <source>%1 (predicted)</source>
        <translation>%1 (прогноз)</translation>
    </message>
    <message>
        <source>Correct the mix</source>
        <translation>Корректировка состава</translation>
    </message>
    <message>
        <source>Required strength, MPa (blank: the stored analysed period&apos;s average level):</source>
        <translation>Требуемая прочность, МПа (пусто: средний уровень сохранённого анализируемого периода):</translation>
    </message>
    <message>
        <source>The required strength is a number above zero</source>
        <translation>Требуемая прочность - число больше нуля</translation>
    </message>
    <message>
        <source>Name of the design:</source>
        <translation>Название состава:</translation>
    </message>
</context>
<context>
    <name>QMdiSubWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Переместить</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Размер</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Р&amp;азвернуть</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>&amp;Свернуть</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>&amp;Поверх всех окон</translation>
    </message>
</context>
<context>
    <name>fmConformity</name>
    <message>
        <source>ACI 318 (averages of three consecutive results)</source>
        <translation>ACI 318 (средние трёх последовательных результатов)</translation>
    </message>
    <message>
        <source>Conformity of compressive strength</source>
        <translation>Оценка соответствия прочности на сжатие</translation>
    </message>
    <message>
        <source>EN 206, continuous production (15 results or more)</source>
        <translation>EN 206, непрерывное производство (15 результатов и более)</translation>
    </message>
    <message>
        <source>EN 206, initial production (groups of 3 results)</source>
        <translation>EN 206, начальное производство (группы по 3 результата)</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Цилиндр</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Куб</translation>
    </message>
    <message>
        <source>Specified strength measured on:</source>
        <translation>Заданная прочность определена на:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Results in order, MPa (typed or pasted):</source>
        <translation>Результаты по порядку, МПа (ввести или вставить):</translation>
    </message>
    <message>
        <source>Rule:</source>
        <translation>Правило:</translation>
    </message>
    <message>
        <source>Specified strength fck or f'c, MPa:</source>
        <translation>Характеристическая прочность fck или заданная прочность f'c, МПа:</translation>
    </message>
    <message>
        <source>Standard deviation s, MPa (continuous production):</source>
        <translation>Среднее квадратическое отклонение s, МПа (непрерывное производство):</translation>
    </message>
</context>
<context>
    <name>fmCusum</name>
    <message>
        <source>Decision interval H = h*s, h:</source>
        <translation>Интервал решения H = h*s, h:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Reference value K = k*s, k:</source>
        <translation>Опорное значение K = k*s, k:</translation>
    </message>
    <message>
        <source>Standard deviation s of a party mean, MPa (blank: the analyzed period's):</source>
        <translation>Среднее квадратическое отклонение s среднего партии, МПа (пусто: из анализируемого периода):</translation>
    </message>
    <message>
        <source>Statistical control of concrete strength. CUSUM.</source>
        <translation>Статистический контроль прочности бетона. Кумулятивные суммы (CUSUM).</translation>
    </message>
    <message>
        <source>Strengths of the parties in order, MPa (typed or pasted):</source>
        <translation>Прочность партий по порядку, МПа (ввести или вставить):</translation>
    </message>
    <message>
        <source>Target mean T, MPa:</source>
        <translation>Целевое среднее T, МПа:</translation>
    </message>
    <message>
        <source>Type the target mean and the standard deviation, or compute an analyzed period first.</source>
        <translation>Введите целевое среднее и среднее квадратическое отклонение или сначала рассчитайте анализируемый период.</translation>
    </message>
</context>
<context>
    <name>fmCusumChart</name>
    <message>
        <source>Whole period</source>
        <translation>Весь период</translation>
    </message>
    <message>
        <source>Party %1: strength %2 MPa, C+ %3, C- %4</source>
        <translation>Партия %1: прочность %2 МПа, C+ %3, C- %4</translation>
    </message>
    <message>
        <source> (journal party %1 of %2)</source>
        <translation> (партия журнала %1 от %2)</translation>
    </message>
    <message>
        <source> (predicted)</source>
        <translation> (прогноз)</translation>
    </message>
    <message>
        <source>CUSUM of the strengths of the parties</source>
        <translation>Кумулятивные суммы (CUSUM) прочности партий</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Cumulative sum, MPa</source>
        <translation>Кумулятивная сумма, МПа</translation>
    </message>
    <message>
        <source>Decision interval H</source>
        <translation>Интервал решения H</translation>
    </message>
    <message>
        <source>Lower sum C-</source>
        <translation>Нижняя сумма C-</translation>
    </message>
    <message>
        <source>PDF...</source>
        <translation>PDF...</translation>
    </message>
    <message>
        <source>Parties of concrete</source>
        <translation>Партии бетона</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Сигнал</translation>
    </message>
    <message>
        <source>Statistical control of concrete strength. CUSUM.</source>
        <translation>Статистический контроль прочности бетона. Кумулятивные суммы (CUSUM).</translation>
    </message>
    <message>
        <source>Upper sum C+</source>
        <translation>Верхняя сумма C+</translation>
    </message>
    <message>
        <source>The PDF could not be written to "%1": %2</source>
        <translation>Не удалось записать PDF в "%1": %2</translation>
    </message>
</context>
<context>
    <name>fmPeriod_Control2</name>
    <message>
        <source>PDF...</source>
        <translation>PDF...</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Отчёт</translation>
    </message>
    <message>
        <source>The PDF could not be written to "%1": %2</source>
        <translation>Не удалось записать PDF в "%1": %2</translation>
    </message>
    <message>
        <source>The chart holds no strengths to report.</source>
        <translation>На карте нет значений прочности для отчёта.</translation>
    </message>
</context>
<context>
    <name>PdfDialog</name>
    <message>
        <source>The PDF could not be started.</source>
        <translation>Не удалось начать запись PDF.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Экспорт в PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Документы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>The PDF could not be written to "%1": %2</source>
        <translation>Не удалось записать PDF в "%1": %2</translation>
    </message>
</context>
<context>
    <name>correction</name>
    <message>
        <source>Make a proportioning report window active first: its design gives the quantities.</source>
        <translation>Сначала сделайте активным окно отчёта о подборе состава: расходы берутся из него.</translation>
    </message>
</context>
</TS>
