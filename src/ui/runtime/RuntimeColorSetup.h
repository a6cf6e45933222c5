#ifndef RUNTIMECOLORSETUP_H
#define RUNTIMECOLORSETUP_H

#include <QColor>
#include <QStringList>
#include <QWidget>

class RuntimeColorStore;

namespace Ui {
class RuntimeColorSetup;
}

// The editor of the runtime value colours: a palette and a colour class chosen at the top, a preview,
// and below a colour picture and the channel editors. "Save" writes the edited colour into the runtime
// colour store (and so into its file); "Reset" and every change of palette or class reload the stored
// colour.
class RuntimeColorSetup : public QWidget
{
    Q_OBJECT

public:
    explicit RuntimeColorSetup(QWidget *parent = nullptr);
    ~RuntimeColorSetup() override;

    // The colour classes offered, in the order of the class choice's items.
    QStringList colorClasses() const { return m_colorClasses; }
    QString currentColorClass() const;
    QString currentPalette() const;

public slots:
    void updatePreview(QColor new_color);
    void saveNewColor();
    void setFromColorDefinitions();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void repolishChoices();

    RuntimeColorStore *m_store;
    QStringList m_colorClasses;
    QStringList m_palettes;
    Ui::RuntimeColorSetup *m_ui;
};

#endif // RUNTIMECOLORSETUP_H
