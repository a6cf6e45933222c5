// The runtime colour editor driven by mouse and key events: the channel editors, the RGBA editor with
// its buttons, the colour picture, and the screen that loads, previews and saves the colour of the
// chosen class and palette into the runtime colour store and its file; pictures at two sizes.

#include "FileBytes.h"
#include "ScreenPictures.h"
#include "ScreenStage.h"
#include "common/BuildConfiguration.h"
#include "data/RuntimeColorStore.h"
#include "ui/runtime/CustomColorPicker.h"
#include "ui/runtime/CustomRGBAeditor.h"
#include "ui/runtime/RGBAsingleChannelEditor.h"
#include "ui/runtime/RuntimeColorSetup.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <optional>

namespace {

QString colourFilePath()
{
    return QStringLiteral("Setup_Files/") + BuildConfiguration::instance()->productName()
        + QStringLiteral("/runtime_colors");
}

QSlider *slider(RGBAsingleChannelEditor *channel)
{
    return channel->findChild<QSlider *>(QStringLiteral("horizontalSlider"));
}

// Channel editors of an RGBA editor in the order red, green, blue, alpha.
QList<RGBAsingleChannelEditor *> channels(QWidget *editor)
{
    QList<RGBAsingleChannelEditor *> list;
    for (const char *name : { "widget", "widget_2", "widget_3", "widget_4" })
        list << editor->findChild<RGBAsingleChannelEditor *>(QLatin1String(name));
    return list;
}

// Selects an item of a combo box as a user does with the keys.
void selectWithKeys(QComboBox *box, int index)
{
    while (box->currentIndex() < index)
        QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > index)
        QTest::keyClick(box, Qt::Key_Up);
}

} // namespace

class tst_RuntimeColorSetup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void channelEditor();
    void rgbaEditor();
    void picker();
    void showLoadsTheStoredColour();
    void savesTheChosenClass_data();
    void savesTheChosenClass();
    void pickThenSave();
    void resetReloads();
    void classMissingFromTheStore();
    void pictures();

private:
    struct Screen
    {
        Screen()
        {
            setup = new RuntimeColorSetup(&window);
            window.setStyleSheet(QStringLiteral("background-color: rgb(0, 0, 0); color: rgb(82, 255, 96);"));
            window.resize(800, 447);
            setup->setGeometry(0, 0, 800, 447);
            themes = setup->findChild<QComboBox *>(QStringLiteral("colorThemeComboBox"));
            classes = setup->findChild<QComboBox *>(QStringLiteral("colorClassComboBox"));
            picker = setup->findChild<CustomColorPicker *>(QStringLiteral("colorDialogWidget"));
            editor = setup->findChild<CustomRGBAeditor *>(QStringLiteral("rgbaEditorWidget"));
            preview = setup->findChild<QLabel *>(QStringLiteral("previewValueLabel"));
            save = editor->findChild<QPushButton *>(QStringLiteral("saveButtton"));
            reset = editor->findChild<QPushButton *>(QStringLiteral("resetButton"));
        }
        bool show()
        {
            window.show();
            return QTest::qWaitForWindowExposed(&window);
        }
        QWidget window;
        RuntimeColorSetup *setup;
        QComboBox *themes;
        QComboBox *classes;
        CustomColorPicker *picker;
        CustomRGBAeditor *editor;
        QLabel *preview;
        QPushButton *save;
        QPushButton *reset;
    };

    RuntimeColorStore *store() const { return m_colors->current(); }

    std::unique_ptr<QTemporaryDir> m_directory;
    QString m_previousDirectory;
    std::optional<RuntimeColorStore::TestOverride> m_colors;
};

void tst_RuntimeColorSetup::init()
{
    m_previousDirectory = QDir::currentPath();
    m_directory.reset(new QTemporaryDir);
    QVERIFY(QDir::setCurrent(m_directory->path()));
    m_colors.emplace(std::make_unique<RuntimeColorStore>());
}

void tst_RuntimeColorSetup::cleanup()
{
    m_colors.reset();
    QDir::setCurrent(m_previousDirectory);
    m_directory.reset();
}

void tst_RuntimeColorSetup::channelEditor()
{
    RGBAsingleChannelEditor channel;
    channel.setTitle(QStringLiteral("Red:"));
    channel.resize(250, 70);
    channel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&channel));
    QSignalSpy changes(&channel, &RGBAsingleChannelEditor::valueChanged);
    QLineEdit *number = channel.findChild<QLineEdit *>(QStringLiteral("lineEdit"));

    channel.setValue(100);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(channel.value(), 100);
    QCOMPARE(slider(&channel)->value(), 100);
    QCOMPARE(number->text(), QStringLiteral("100"));

    // Moved by the user: each new value once.
    QTest::keyClick(slider(&channel), Qt::Key_Right);
    QTest::keyClick(slider(&channel), Qt::Key_Right);
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.at(1).at(0).toInt(), 102);
    QCOMPARE(number->text(), QStringLiteral("102"));
    QTest::keyClick(slider(&channel), Qt::Key_End);
    QCOMPARE(channel.value(), 255);
    QTest::keyClick(slider(&channel), Qt::Key_End);
    QCOMPARE(changes.count(), 3);
    // A press on the groove left of the handle moves it down.
    QTest::mouseClick(
        slider(&channel), Qt::LeftButton, Qt::NoModifier, QPoint(12, slider(&channel)->height() / 2));
    QCOMPARE(changes.count(), 4);
    QVERIFY(channel.value() < 255);
}

void tst_RuntimeColorSetup::rgbaEditor()
{
    CustomRGBAeditor editor;
    editor.resize(250, 356);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    const QList<RGBAsingleChannelEditor *> rgba = channels(&editor);
    QCOMPARE(rgba.at(0)->findChild<QGroupBox *>()->title(), QStringLiteral("Red:"));
    QCOMPARE(rgba.at(3)->findChild<QGroupBox *>()->title(), QStringLiteral("Alpha:"));
    QSignalSpy colours(&editor, &CustomRGBAeditor::currentColorChanged);
    QSignalSpy saves(&editor, &CustomRGBAeditor::saveCurrent);
    QSignalSpy resets(&editor, &CustomRGBAeditor::resetCurrent);

    editor.setColor(QColor(10, 20, 30, 40));
    QCOMPARE(colours.count(), 0);
    QCOMPARE(editor.color(), QColor(10, 20, 30, 40));
    QCOMPARE(slider(rgba.at(2))->value(), 30);

    QTest::keyClick(slider(rgba.at(1)), Qt::Key_Right);
    QCOMPARE(colours.count(), 1);
    QCOMPARE(colours.at(0).at(0).value<QColor>(), QColor(10, 21, 30, 40));
    QCOMPARE(editor.color(), QColor(10, 21, 30, 40));

    QTest::mouseClick(editor.findChild<QPushButton *>(QStringLiteral("saveButtton")), Qt::LeftButton);
    QCOMPARE(saves.count(), 1);
    QCOMPARE(resets.count(), 0);
    QTest::mouseClick(editor.findChild<QPushButton *>(QStringLiteral("resetButton")), Qt::LeftButton);
    QCOMPARE(resets.count(), 1);
}

void tst_RuntimeColorSetup::picker()
{
    CustomColorPicker picker;
    picker.resize(400, 300);
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    const QImage shown = picker.grab().toImage();
    QSignalSpy picks(&picker, &CustomColorPicker::currentColorChanged);

    QTest::mouseClick(&picker, Qt::LeftButton, Qt::NoModifier, QPoint(40, 100));
    QCOMPARE(picks.count(), 1);
    QCOMPARE(picker.color(), shown.pixelColor(40, 100));
    // The picture is a colour picture, not a plain area: two distant points differ.
    QVERIFY(shown.pixelColor(40, 100) != shown.pixelColor(300, 100));

    // Dragged with the left button: every move picks; a move without a button does not.
    QMouseEvent drag(QEvent::MouseMove, QPointF(300, 100), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&picker, &drag);
    QCOMPARE(picks.count(), 2);
    QCOMPARE(picker.color(), shown.pixelColor(300, 100));
    QCOMPARE(picker.color().alpha(), 255);
    QMouseEvent hover(QEvent::MouseMove, QPointF(200, 50), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&picker, &hover);
    QCOMPARE(picks.count(), 2);
}

void tst_RuntimeColorSetup::showLoadsTheStoredColour()
{
    store()->setColor(QColor(0x12, 0x34, 0x56, 0x78), QStringLiteral("SOG"), QStringLiteral("Bright_Green"));
    Screen screen;
    QVERIFY(screen.show());
    QCOMPARE(screen.setup->currentColorClass(), QStringLiteral("SOG"));
    QCOMPARE(screen.setup->currentPalette(), QStringLiteral("Bright_Green"));
    // The preview's colour name carries alpha first, eight digits.
    QCOMPARE(screen.preview->styleSheet(), QStringLiteral("color: #78123456"));
    QCOMPARE(screen.editor->color(), QColor(0x12, 0x34, 0x56, 0x78));
    QCOMPARE(slider(channels(screen.editor).at(3))->value(), 0x78);

    // Another palette by key: the stored colour of that palette, opaque and still with eight digits.
    selectWithKeys(screen.themes, 4);
    QCOMPARE(screen.setup->currentPalette(), QStringLiteral("Yellow"));
    QCOMPARE(screen.preview->styleSheet(), QStringLiteral("color: #ff77ac31"));
}

void tst_RuntimeColorSetup::savesTheChosenClass_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("itemText");
    QTest::addColumn<QString>("colorClass");

    QTest::newRow("SOG values") << 0 << "SOG values"
                                << "SOG";
    QTest::newRow("STW values") << 1 << "STW values"
                                << "STW";
    QTest::newRow("water current") << 2 << "Current values"
                                   << "CUR";
    QTest::newRow("low integrity") << 3 << "Low integrity"
                                   << "LOW_integrity";
    QTest::newRow("invalid values") << 4 << "Invalid values"
                                    << "Invalid_Color";
}

void tst_RuntimeColorSetup::savesTheChosenClass()
{
    QFETCH(int, item);
    QFETCH(QString, colorClass);
    const RuntimeColorStore::Table before = store()->table();
    Screen screen;
    QVERIFY(screen.show());
    QCOMPARE(screen.classes->count(), 5);
    QTEST(screen.classes->itemText(item), "itemText");
    selectWithKeys(screen.classes, item);
    selectWithKeys(screen.themes, 5);
    QCOMPARE(screen.setup->currentColorClass(), colorClass);
    QCOMPARE(screen.editor->color(), store()->color(colorClass, QStringLiteral("Pale_Yellow")));

    // The user moves the blue channel to its start and saves.
    QTest::keyClick(slider(channels(screen.editor).at(2)), Qt::Key_Home);
    const QColor edited = screen.editor->color();
    QCOMPARE(edited.blue(), 0);
    QCOMPARE(screen.preview->styleSheet(), QStringLiteral("color: ") + edited.name(QColor::HexArgb));
    QTest::mouseClick(screen.save, Qt::LeftButton);

    RuntimeColorStore::Table expected = before;
    expected[colorClass][QStringLiteral("Pale_Yellow")] = edited;
    QCOMPARE(store()->table(), expected);
    // Written through: a store reading the file sees the same table.
    RuntimeColorStore reread;
    QCOMPARE(reread.table(), expected);
}

void tst_RuntimeColorSetup::pickThenSave()
{
    Screen screen;
    QVERIFY(screen.show());
    selectWithKeys(screen.classes, 1);
    QTest::mouseClick(screen.picker, Qt::LeftButton, Qt::NoModifier, QPoint(60, 40));
    const QColor picked = screen.picker->color();
    QCOMPARE(picked.alpha(), 255);
    QCOMPARE(screen.editor->color(), picked);
    QCOMPARE(screen.preview->styleSheet(), QStringLiteral("color: ") + picked.name(QColor::HexArgb));
    QTest::mouseClick(screen.save, Qt::LeftButton);
    QCOMPARE(store()->color(QStringLiteral("STW"), QStringLiteral("Bright_Green")), picked);
    QVERIFY(
        readFileBytes(colourFilePath()).contains("Bright_Green=" + picked.name(QColor::HexArgb).toLatin1()));
}

void tst_RuntimeColorSetup::resetReloads()
{
    Screen screen;
    QVERIFY(screen.show());
    const QColor stored = store()->color(QStringLiteral("SOG"), QStringLiteral("Bright_Green"));
    QTest::keyClick(slider(channels(screen.editor).at(0)), Qt::Key_Home);
    QVERIFY(screen.editor->color() != stored);
    QTest::mouseClick(screen.reset, Qt::LeftButton);
    QCOMPARE(screen.editor->color(), stored);
    QCOMPARE(screen.preview->styleSheet(), QStringLiteral("color: ") + stored.name(QColor::HexArgb));
    QCOMPARE(store()->color(QStringLiteral("SOG"), QStringLiteral("Bright_Green")), stored);
}

void tst_RuntimeColorSetup::classMissingFromTheStore()
{
    // A colour file holding only the SOG colours.
    m_colors.reset();
    QVERIFY(writeFileBytes(colourFilePath(), "[SOG(Bright_Green=#ff63ff4b]"));
    m_colors.emplace(std::make_unique<RuntimeColorStore>());
    QCOMPARE(store()->table().size(), 1);
    Screen screen;
    QVERIFY(screen.show());
    selectWithKeys(screen.classes, 2);
    // The fallback colour is offered; saving it changes nothing and writes nothing.
    QCOMPARE(screen.editor->color(), store()->fallbackColor());
    QVERIFY(QFile::remove(colourFilePath()));
    QTest::mouseClick(screen.save, Qt::LeftButton);
    QCOMPARE(store()->table().size(), 1);
    QVERIFY(!QFileInfo::exists(colourFilePath()));
}

void tst_RuntimeColorSetup::pictures()
{
    ScreenStage stage;
    auto *setup = new RuntimeColorSetup(stage.layout);
    setup->setGeometry(0, 33, 800, 447);
    stage.start();
    const QImage design = ScreenPictures::save(setup, QStringLiteral("colour_editor_800x447"));
    QCOMPARE(design.size(), QSize(800, 447));
    // The choices' texts in the palette colour, not black on black.
    auto *themes = setup->findChild<QComboBox *>(QStringLiteral("colorThemeComboBox"));
    QCOMPARE(
        themes->palette().color(QPalette::ButtonText), CustomColorDefinitions::getColorFromColorEnum(Green));
    QVERIFY(ScreenPictures::pixelsNear(design,
                themes->geometry().translated(
                    setup->findChild<QWidget *>(QStringLiteral("valueSelectionWidget"))->pos()),
                CustomColorDefinitions::getColorFromColorEnum(Green))
        > 20);
    stage.resize(QSize(1024, 600));
    const QImage larger = ScreenPictures::save(setup, QStringLiteral("colour_editor_1024x600"));
    QCOMPARE(larger.width(), 1024);
    // The picture and the channel editors side by side, inside the screen, below the choices.
    auto *picker = setup->findChild<CustomColorPicker *>(QStringLiteral("colorDialogWidget"));
    auto *editor = setup->findChild<CustomRGBAeditor *>(QStringLiteral("rgbaEditorWidget"));
    QWidget *choices = setup->findChild<QWidget *>(QStringLiteral("valueSelectionWidget"));
    QVERIFY(picker->geometry().right() < editor->geometry().left());
    QVERIFY(choices->geometry().bottom() < picker->geometry().top());
    QVERIFY(setup->rect().contains(editor->geometry()));
    QVERIFY(editor->rect().contains(
        editor->findChild<QPushButton *>(QStringLiteral("resetButton"))
            ->geometry()
            .translated(editor->findChild<QWidget *>(QStringLiteral("widget_5"))->pos())));
}

QTEST_MAIN(tst_RuntimeColorSetup)
#include "tst_runtimecolorsetup.moc"
