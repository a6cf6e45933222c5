#ifndef TITLEVALUECOLLECTIONSCREEN_H
#define TITLEVALUECOLLECTIONSCREEN_H

#include <QWidget>

#include <memory>

namespace Ui {
class TitleValueCollectionScreen;
}

// The column of the heading page: three title/value rows ("titleValue1" to "titleValue3") between a top
// and a bottom spacer, on a transparent background. The page binds the rows and shares the height out.
class TitleValueCollectionScreen : public QWidget
{
    Q_OBJECT

public:
    explicit TitleValueCollectionScreen(QWidget *parent = nullptr);
    ~TitleValueCollectionScreen() override;

private:
    std::unique_ptr<Ui::TitleValueCollectionScreen> ui;
};

#endif // TITLEVALUECOLLECTIONSCREEN_H
