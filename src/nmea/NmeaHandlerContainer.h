#ifndef NMEAHANDLERCONTAINER_H
#define NMEAHANDLERCONTAINER_H

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class NmeaHandler;

// The registry of sentence handlers: one handler per sentence type that the configured product and
// device kind handle, created once and owned here. Standard handlers are found by formatter ("GGA"),
// whatever the talker; proprietary ones by their sub-sentence name ("PAIR") under the talker "PQRV".
//
// The registry does not know the handler classes: the sentence catalogue, which does, installs the
// factory of the handler sets from a static initializer (nmea/sentences/HandlerSets.cpp), as every
// sentence class registers its creator, so the sets are known before main runs.
class NmeaHandlerContainer : public QObject
{
    Q_OBJECT
public:
    // One handler of a set and the name it is found by: the formatter, or the sub-sentence name of a
    // proprietary sentence.
    struct Registration
    {
        QString name;
        bool proprietary;
        NmeaHandler *handler;
    };
    // Creates the handlers of the set that BuildConfiguration::instance() answers now, as children of
    // `parent`.
    using HandlerSetFactory = QList<Registration> (*)(QObject *parent);
    // Installs the factory; later containers use it. Always returns true (for static initializers).
    static bool setHandlerSetFactory(HandlerSetFactory factory);

    // The process-wide container; the first call creates it, with every handler of this build's
    // configuration. It is never destroyed.
    static NmeaHandlerContainer *instance();

    // A container of its own with the handlers of the configuration that BuildConfiguration::instance()
    // answers now; the handlers are its children. The process-wide one is made this way; tests make
    // others for other configurations. Without an installed factory it stays empty.
    explicit NmeaHandlerContainer(QObject *parent = nullptr);

    // The handler of a sentence, or null when this configuration does not handle it. Only the exact
    // talker "PQRV" reaches the proprietary handlers.
    NmeaHandler *handler(const QString &talker, const QString &name) const;
    // Every handler exactly once: the standard ones first.
    QList<NmeaHandler *> handlers() const;

    // The container a handler belongs to: its parent when that is a container, else the process-wide
    // one. Handlers that answer with another sentence type find their sibling through it.
    static NmeaHandlerContainer *containerOf(const QObject *handler);

private:
    QHash<QString, NmeaHandler *> m_standardHandlers;
    QHash<QString, NmeaHandler *> m_proprietaryHandlers;
    QList<NmeaHandler *> m_allHandlers;
};

#endif // NMEAHANDLERCONTAINER_H
