#ifndef SCREENSTAGE_H
#define SCREENSTAGE_H

// A stand-in for the main window's content, for tests of widgets that live inside it: an 800 x 480
// top-level with the window's black style, holding a scaling container ("custom_layout") whose style
// sheet carries the window's two theme markers (text and border colour of every widget in the palette
// colour). Widgets under test are made children of `layout` before start(); start() shows the stage,
// which collects and scales them, expands the theme markers and sets the palette. Resizing the stage
// rescales everything as the real window does.
//
// Pictures of what the stage shows are written by savePicture() as PNG files into the test's output
// folder, <build>/test-pictures/<test name>/, for people to look at; they are not compared with anything.

#include "ui/CustomLayout.h"
#include "ui/ThemeColorSingleton.h"
#include "ui/ThemeStyleSheets.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>
#include <QtTest>

class ScreenStage
{
public:
    ScreenStage()
    {
        window.setObjectName(QStringLiteral("BaseScreen"));
        window.setStyleSheet(
            QStringLiteral("background-color: rgb(0, 0, 0);\n\n\nQGroupBox{\nborder:0px solid "
                           "rgba(255, 255, 255, 0);\n}\n\nQScrollArea{\nborder:0px solid rgb(0, "
                           "0, 0);\n}"));
        window.resize(800, 480);
        layout = new CustomLayout(&window, 800, 480);
        layout->setObjectName(QStringLiteral("custom_layout"));
        layout->setStyleSheet(
            QStringLiteral("/*selector=*=s*//*theme1:color*/\n/*selector=*=s*//*theme1:border-color*/"));
        layout->setGeometry(0, 0, 800, 480);
    }

    // The scale factors are process-wide: the next test starts at the design size again.
    ~ScreenStage()
    {
        if (layout->size() != QSize(800, 480))
            resize(QSize(800, 480));
    }

    // Shows the stage at its design size with the palette "Green".
    void start()
    {
        ThemeStyleSheets::applyToDescendants(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        layout->resize(800, 480);
        ThemeColorSingleton::instance()->setColorPalette(Green);
    }

    // The whole window at another size, scaled by the container.
    void resize(const QSize &size)
    {
        window.resize(size);
        layout->resize(size);
        QCoreApplication::processEvents();
    }

    static QString picturesFolder()
    {
        const QString folder
            = QStringLiteral(TESSARY_BINARY_DIR "/test-pictures/") + QCoreApplication::applicationName();
        QDir().mkpath(folder);
        return folder;
    }

    // Grabs the widget (the whole stage when null) into "<name>.png"; returns the file's path.
    QString savePicture(const QString &name, QWidget *widget = nullptr)
    {
        QCoreApplication::processEvents();
        const QString path = picturesFolder() + QLatin1Char('/') + name + QStringLiteral(".png");
        (widget ? widget : &window)->grab().save(path);
        return path;
    }

    QWidget window;
    CustomLayout *layout;
};

#endif // SCREENSTAGE_H
