#ifndef GPIOINTERRUPT_H
#define GPIOINTERRUPT_H

#include <QList>
#include <QStringList>
#include <QThread>

// A thread meant to wait for edges on the auxiliary input lines and report them by name. Nothing in the
// system creates or starts it; how the inputs would be watched on the panel is not decided, so run()
// returns at once on every platform and nothing is ever reported.
class GpioInterrupt : public QThread
{
    Q_OBJECT
public:
    explicit GpioInterrupt(QObject *parent = nullptr);

    const QList<int> &values() const { return m_values; }
    const QStringList &texts() const { return m_texts; }

signals:
    void emitInterrupt(QString source);

protected:
    void run() override;

private:
    QList<int> m_values;
    QStringList m_texts;
};

#endif // GPIOINTERRUPT_H
