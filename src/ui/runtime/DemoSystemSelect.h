#ifndef DEMOSYSTEMSELECT_H
#define DEMOSYSTEMSELECT_H

#include <QString>
#include <QWidget>

class SimulationDataManager;

namespace Ui {
class DemoSystemSelect;
}

// The launcher of the demonstration aid: the demonstrator picks one of the maker's demonstration
// systems and "Simulate" starts it through the demonstration script, with this program's process id,
// the system's Qt generation and its name. Without a chosen system "Simulate" replays the recordings.
// The "Save data" choice (record instead) is hidden and disabled on this form.
class DemoSystemSelect : public QWidget
{
    Q_OBJECT
public:
    explicit DemoSystemSelect(QWidget *parent = nullptr);
    ~DemoSystemSelect() override;

    QString systemName() const { return m_systemName; }
    QString qtGeneration() const { return m_qtGeneration; }

public slots:
    void pushButton_clicked_slot();

private slots:
    void on_kw21SelectedButton_clicked();
    void on_tvr100SelectedButton_clicked();
    void on_tvr200SelectedButton_clicked();
    void on_rn4400SelectedButton_clicked();
    void on_rt63SelectedButton_clicked();
    void on_checkBox_toggled(bool checked);
    void on_pushButton_clicked();

private:
    void choose(const QString &systemName, const QString &qtGeneration);

    Ui::DemoSystemSelect *ui;
    QString m_systemName;
    QString m_qtGeneration;
    SimulationDataManager *m_manager;
};

#endif // DEMOSYSTEMSELECT_H
