// The six proportioning dialogs as the user meets them: names, captions, fields in order with
// their defaults and entry formats, radio items, pages and buttons, help numbers, and pages
// the user cannot switch.
#include "ui_Fixture.h"

namespace {

struct TextRow {
    const char* dialog;  // objectName of the dialog
    const char* page;    // objectName of the page, "" for a single-page dialog
    const char* name;
    const char* caption;  // lines joined by "\n"
    const char* text;     // default text
    const char* mask;     // input mask as the line edit reports it, "" for free entry
};

// Written from the dialogs' descriptions, not from the core's table, so a slip in either shows.
const TextRow kTextRows[] = {
    {"fmBNS", "", "edYdoboykl", "Value of concrete mix\nworkability", "0", ""},
    {"fmBNS", "", "edMkr_P", "Fineness modulus of sand", "2.0", "9.9"},
    {"fmBNS", "", "edNPl_P", "Bulk density of sand, kg per cu m", "1400", "9999"},
    {"fmBNS", "", "edPr_P", "Amount of clay lumps and\nfriable particles in sand, %", "1.0", "9.9"},
    {"fmBNS", "", "edMarkCem", "\u0421ompressive strength of cement, MPa", "50", "99"},
    {"fmBNS", "", "edNGCT", "Normal consistency of cement paste, %", "28", "99"},
    {"fmBNS", "", "edNKr_Sc", "Max. coarse aggregate size, mm", "20", ""},
    {"fmBNS", "", "edNPl_Sc", "Bulk density of coarse aggregates, kg per cu m", "1350", "9999"},
    {"fmBNS", "", "edPr_Sc", "Amount of clay lumps and\nfriable particles in coarse aggregates, %",
     "0.5", "9.9"},
    {"fmBNS", "", "edClassBet", "Compressive strength\nof concrete at 28 days, MPa", "20", ""},
    {"fmOptions", "", "edPlotnostC", "Relative density of cement", "3.15", ""},
    {"fmOptions", "", "edPlotnostP", "Relative density of sand", "2.65", ""},
    {"fmOptions", "", "edPlotnostSC", "Relative density of coarse aggregates", "2.68", ""},
    {"fmOptions", "", "edTemperatyr", "Temperature of fresh concrete, Celsium", "20", ""},
    {"F_W", "F", "edMarka_F", "Enter number of freeze-thaw cycles:", "100", ""},
    {"F_W", "W", "edW", "Enter water pressure, kPa: ", "400", ""},
    {"fmTVO", "", "edT_prop", "Steaming period, hours:", "10", ""},
    {"fmTVO", "", "edT_vuderz", "Period after steam curing, hours:", "4", ""},
    {"Vubor_Econ", "marka_cem", "edMarka_C", "Enter compressive strength of cement, MPa:", "", ""},
    {"Vubor_Econ", "ash", "edAsh", "Enter amount of fly ash, kg per cu m: ", "150", ""},
    {"Vubor_Econ", "superplast", "edSuperplast",
     "Enter water-reducing effect,  %:", "The average data", ""},
    {"Vubor_Econ", "plast", "edPlast", "Enter water-reducing effect,  %:", "10", ""},
};

struct GroupRow {
    const char* dialog;
    const char* name;
    const char* caption;
    int index;  // default
    QStringList items;
};

const QStringList kYesNo{"Yes", "No"};

const GroupRow kGroupRows[] = {
    {"fmBNS", "rgYdoboykl", "Workability of concrete mix", 0, {"Slump, sm", "Vebe, sec"}},
    {"fmOptions", "rgWaterproof", "Value of watertightness is given", 1, kYesNo},
    {"fmOptions", "rgFrost", "Number of freeze-thaw cycles is given", 1, kYesNo},
    {"fmOptions", "rgArmatyra", "Reinforcement is used", 1, kYesNo},
    {"fmOptions", "rgProparka", "Atmospheric steam curing is used", 1, kYesNo},
    {"fmOptions", "rgEconomy", "Technological decisions for decreasing of cement content is used",
     1, kYesNo},
    {"fmOptions", "rgZapolnitel", "Kind of coarse aggregates", 0, {"Crushed stones", "Gravels"}},
    {"fmTVO",
     "rgYskoriteli",
     "Accelerating admixtures",
     0,
     {"Accelerating admixtures are not used", "Natrium sulphate", "Calcium chloride",
      "Superplasticizer"}},
    {"fmTVO",
     "rgVid_Cem",
     "Type of cement",
     0,
     {"Normal portland cement (Type 10)", "Portland-Blast-Furnace-Slag cement (Type 10S)"}},
    {"economy",
     "rgEconomy",
     "The offered technological decisions",
     0,
     {"There is not necessary technological decision",
      "Increasing of compressive strength of cement ", "Using of fly ash",
      "Adding of superplasticizer", "Adding of plasticizer"}},
};

struct ButtonRow {
    const char* dialog;
    const char* page;
    const char* name;
    const char* text;
};

const ButtonRow kButtonRows[] = {
    {"fmBNS", "", "BitBtn1", "OK"},
    {"fmBNS", "", "BitBtn2", "&Close"},
    {"fmOptions", "", "BitBtn1", "OK"},
    {"fmOptions", "", "BitBtn2", "&Close"},
    {"fmOptions", "", "BitBtn3", "Save current options"},
    {"F_W", "F", "BitBtn1", "OK"},
    {"F_W", "F", "BitBtn2", "&Close"},
    {"F_W", "W", "BitBtn3", "OK"},
    {"F_W", "W", "BitBtn4", "&Close"},
    {"fmTVO", "", "BitBtn1", "OK"},
    {"fmTVO", "", "BitBtn2", "&Close"},
    {"economy", "", "BitBtn1", "OK"},
    {"economy", "", "BitBtn2", "&Close"},
    {"Vubor_Econ", "marka_cem", "bbMarka_C", "OK"},
    {"Vubor_Econ", "marka_cem", "BitBtn2", "&Close"},
    {"Vubor_Econ", "ash", "bbAsh", "OK"},
    {"Vubor_Econ", "ash", "BitBtn8", "&Close"},
    {"Vubor_Econ", "superplast", "bbSuperPlast", "OK"},
    {"Vubor_Econ", "superplast", "BitBtn10", "&Close"},
    {"Vubor_Econ", "plast", "bbPlastif", "OK"},
    {"Vubor_Econ", "plast", "BitBtn12", "&Close"},
};

// Records the topics F1 asks for.
struct RecordingHelp : HelpService {
    QList<int> topics;
    void showContents() override { topics << 0; }
    void showContext(int contextNumber) override { topics << contextNumber; }
};

}  // namespace

class MixUiFieldsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MixUiWindows> w_;
    QTemporaryDir folder_;

    QWidget* dialog(const QString& name) const {
        for (QWidget* d : w_->all())
            if (d->objectName() == name) return d;
        return nullptr;
    }
    // The page (or the dialog itself) that must hold a widget.
    QWidget* holder(const char* dialogName, const char* page) const {
        QWidget* d = dialog(dialogName);
        return *page ? d->findChild<QWidget*>(page) : d;
    }

private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        QDir::setCurrent(folder_.path());  // no options.slv here
    }
    void init() { w_ = std::make_unique<MixUiWindows>(); }
    void cleanup() { w_.reset(); }

    void windows_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("help");
        const char* economyTitle = "Technological decisions for decreasing of cement content";
        QTest::newRow("fmOptions") << "fmOptions"
                                   << "Options for proportioning concrete mixture" << 21;
        QTest::newRow("fmBNS") << "fmBNS"
                               << "Data for proportioning concrete mixture" << 22;
        QTest::newRow("F_W") << "F_W"
                             << "Properties of concrete" << 22;
        QTest::newRow("economy") << "economy" << economyTitle << 22;
        QTest::newRow("Vubor_Econ") << "Vubor_Econ" << economyTitle << 22;
        QTest::newRow("fmTVO") << "fmTVO"
                               << "Initial data for steam curing" << 22;
    }
    void windows() {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(int, help);
        QWidget* d = dialog(name);
        QVERIFY2(d, qPrintable(name));
        QCOMPARE(d->windowTitle(), title);
        QCOMPARE(DialogBase::helpContextFor(d), help);
        // F1 from any field of the dialog reaches the same topic.
        for (QLineEdit* edit : d->findChildren<QLineEdit*>())
            QCOMPARE(DialogBase::helpContextFor(edit), help);
        // The OK of the (first) page is the default button.
        auto* ok = qobject_cast<DialogBase*>(d)->actionButton();
        QVERIFY(ok);
        QVERIFY(ok->isDefault() || name == "F_W" || name == "Vubor_Econ");
    }

    // F1 in a shown dialog opens its topic: 21 for the options, 22 for the others.
    void helpKey_data() { windows_data(); }
    void helpKey() {
        QFETCH(QString, name);
        QFETCH(int, help);
        ModalWatchdog watchdog(5000);
        RecordingHelp recorder;
        w_->app.setHelp(&recorder);
        auto* d = qobject_cast<QDialog*>(dialog(name));
        answerNextModal([&](QWidget*) {
            QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : d;
            QTest::keyClick(focus, Qt::Key_F1);
            d->done(QDialog::Rejected);
        });
        d->exec();
        w_->app.setHelp(nullptr);
        QVERIFY(!watchdog.fired());
        QCOMPARE(recorder.topics, QList<int>{help});
    }

    void textFields_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kTextRows)); ++i) QTest::newRow(kTextRows[i].name) << i;
    }
    void textFields() {
        QFETCH(int, row);
        const TextRow& r = kTextRows[row];
        QWidget* page = holder(r.dialog, r.page);
        QVERIFY2(page, r.page);
        QLineEdit* edit = editOf(page, r.name);
        QVERIFY2(edit, r.name);
        QCOMPARE(edit->text(), QString::fromUtf8(r.text));
        QCOMPARE(edit->inputMask(), QString::fromUtf8(r.mask));
        QLabel* label = labelOf(page, edit);
        QVERIFY(label);
        QCOMPARE(label->text(), QString::fromUtf8(r.caption));
    }

    // Fields stand in the order of the dialog's description (radio groups included).
    void fieldOrder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("fmBNS") << "fmBNS"
                               << QStringList{"rgYdoboykl", "edYdoboykl", "edMkr_P",   "edNPl_P",
                                              "edPr_P",     "edMarkCem",  "edNGCT",    "edNKr_Sc",
                                              "edNPl_Sc",   "edPr_Sc",    "edClassBet"};
        QTest::newRow("fmOptions")
            << "fmOptions"
            << QStringList{"rgWaterproof", "rgFrost",      "rgArmatyra",  "rgProparka",
                           "rgEconomy",    "rgZapolnitel", "edPlotnostC", "edPlotnostP",
                           "edPlotnostSC", "edTemperatyr"};
        QTest::newRow("fmTVO") << "fmTVO"
                               << QStringList{"edT_prop", "edT_vuderz", "rgYskoriteli",
                                              "rgVid_Cem"};
    }
    void fieldOrder() {
        QFETCH(QString, name);
        QFETCH(QStringList, order);
        QWidget* d = dialog(name);
        auto* grid = d->findChild<QGridLayout*>();
        QVERIFY(grid);
        QStringList shown;
        for (int row = 0; row < grid->rowCount(); ++row) {
            for (int column = grid->columnCount() - 1; column >= 0; --column) {
                QLayoutItem* item = grid->itemAtPosition(row, column);
                if (!item || !item->widget()) continue;
                QWidget* widget = item->widget();
                if (qobject_cast<QLineEdit*>(widget) || qobject_cast<RadioGroup*>(widget)) {
                    shown << widget->objectName();
                    break;
                }
            }
        }
        QCOMPARE(shown, order);
    }

    void radioGroups_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kGroupRows)); ++i)
            QTest::newRow(QByteArray(kGroupRows[i].dialog) + "." + kGroupRows[i].name) << i;
    }
    void radioGroups() {
        QFETCH(int, row);
        const GroupRow& r = kGroupRows[row];
        RadioGroup* group = groupOf(dialog(r.dialog), r.name);
        QVERIFY2(group, r.name);
        QCOMPARE(group->title(), QString(r.caption));
        QCOMPARE(group->itemIndex(), r.index);
        QStringList items;
        for (int i = 0; i < group->count(); ++i) items << group->itemText(i);
        QCOMPARE(items, r.items);
    }

    // An index past the last item selects the last; -1 leaves nothing selected.
    void radioGroupIndexBounds() {
        RadioGroup* group = groupOf(w_->options.get(), "rgFrost");
        group->setItemIndex(7);
        QCOMPARE(group->itemIndex(), 1);
        group->setItemIndex(-1);
        QCOMPARE(group->itemIndex(), -1);
        for (auto* b : group->findChildren<QRadioButton*>()) QVERIFY(!b->isChecked());
        group->setItemIndex(0);
        QCOMPARE(group->itemIndex(), 0);
    }

    void buttons_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kButtonRows)); ++i)
            QTest::newRow(QByteArray(kButtonRows[i].dialog) + "." + kButtonRows[i].page + "." +
                          kButtonRows[i].name)
                << i;
    }
    void buttons() {
        QFETCH(int, row);
        const ButtonRow& r = kButtonRows[row];
        QWidget* page = holder(r.dialog, r.page);
        QVERIFY(page);
        QPushButton* button = buttonOf(page, r.name);
        QVERIFY2(button, r.name);
        QCOMPARE(button->text(), QString(r.text));
    }

    void pages_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("F_W") << "F_W"
                             << "FW" << QStringList{"F", "W"}
                             << QStringList{"Resistance to freezing and thawing is given",
                                            "The value of watertightness is given"};
        QTest::newRow("Vubor_Econ")
            << "Vubor_Econ"
            << "page" << QStringList{"marka_cem", "ash", "superplast", "plast"}
            << QStringList{"Increasing of compressive strength of cement", "Using of fly ash",
                           "Adding of superplasticizer", "Adding of plasticizer"};
    }
    void pages() {
        QFETCH(QString, name);
        QFETCH(QString, control);
        QFETCH(QStringList, pages);
        QFETCH(QStringList, captions);
        auto* tabs = dialog(name)->findChild<QTabWidget*>(control);
        QVERIFY(tabs);
        QStringList names, texts;
        for (int i = 0; i < tabs->count(); ++i) {
            names << tabs->widget(i)->objectName();
            texts << tabs->tabText(i);
        }
        QCOMPARE(names, pages);
        QCOMPARE(texts, captions);
    }

    // The run shows one page of "Properties of concrete" with the other hidden, and the hidden
    // page is back afterwards.
    void propertiesShowOnePage_data() {
        QTest::addColumn<int>("page");
        QTest::newRow("F") << int(DurabilityDialog::F);
        QTest::newRow("W") << int(DurabilityDialog::W);
    }
    void propertiesShowOnePage() {
        QFETCH(int, page);
        ModalWatchdog watchdog(5000);
        DurabilityDialog* d = w_->fw.get();
        auto* tabs = d->pageControl();
        bool shownVisible = false, otherVisible = true;
        int current = -1;
        answerNextModal([&](QWidget*) {
            current = tabs->currentIndex();
            shownVisible = tabs->isTabVisible(page);
            otherVisible = tabs->isTabVisible(1 - page);
            buttonOf(d, page == DurabilityDialog::F ? "BitBtn1" : "BitBtn3")->click();
        });
        const auto answer = d->showPage(DurabilityDialog::Page(page));
        QVERIFY(!watchdog.fired());
        QCOMPARE(current, page);
        QVERIFY(shownVisible);
        QVERIFY(!otherVisible);
        QVERIFY(tabs->isTabVisible(1 - page));
        QVERIFY(answer);
        const std::string name = page == DurabilityDialog::F ? "edMarka_F" : "edW";
        QCOMPARE(answer->size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(answer->at(name)),
                 page == DurabilityDialog::F ? "100" : "400");
    }

    // The masked fields take only their pattern while typed.
    void entryFormats_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("digit.digit") << "edMkr_P"
                                     << "2.5"
                                     << "2.5";
        QTest::newRow("digit.digit drops letters") << "edPr_P"
                                                   << "a1b5"
                                                   << "1.5";
        QTest::newRow("two digits, a third ignored") << "edMarkCem"
                                                     << "425"
                                                     << "42";
        QTest::newRow("four digits") << "edNPl_P"
                                     << "1500"
                                     << "1500";
        QTest::newRow("free entry keeps anything") << "edClassBet"
                                                   << "020x"
                                                   << "020x";
    }
    void entryFormats() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QLineEdit* edit = editOf(w_->mixInput.get(), name);
        edit->selectAll();
        edit->del();
        edit->home(false);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), kept);
    }

    // Set ORVAN_SHOTS to a folder to get a picture of every dialog (for looking, not checking).
    void pictures() {
        const QString folder = qEnvironmentVariable("ORVAN_SHOTS");
        if (folder.isEmpty()) QSKIP("ORVAN_SHOTS not set");
        for (QWidget* d : w_->all()) {
            d->adjustSize();
            QVERIFY(d->grab().save(folder + "/" + d->objectName() + ".png"));
        }
        for (MixDialogBase* d : {static_cast<MixDialogBase*>(w_->fw.get()),
                                 static_cast<MixDialogBase*>(w_->technique.get())}) {
            QTabWidget* tabs = d->pageControl();
            for (int i = 1; i < tabs->count(); ++i) {
                QWidget* page = tabs->widget(i);
                page->resize(tabs->currentWidget()->size());
                QVERIFY(page->grab().save(folder + "/" + page->objectName() + ".png"));
            }
        }
    }
};

QTEST_MAIN(MixUiFieldsTest)
#include "ui_FieldsTest.moc"
