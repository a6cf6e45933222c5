#ifndef FRESHSTORES_H
#define FRESHSTORES_H

#include "FreshInstance.h"

#include "common/SignalExtender.h"
#include "comms/ErrorLogger.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "data/ESDataClass.h"
#include "data/SerializationController.h"
#include "nmea/NmeaData.h"
#include "nmea/NmeaHandlerContainer.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

// The process-wide stores of the display, new for one test case: a settings tree built from its defaults in
// a working directory of its own (the settings files of earlier cases are not read, and this case's files
// do not reach later ones), the SFI list over it, fresh received values and error counters, a handler set
// over all of these, a new settings-text receiver and an empty object registry. Each is what instance()
// returns while this object lives; everything is put back when it ends. Made in the order in which they
// use each other, so that each takes its neighbours from this set.
//
// A test keeps one as a std::optional member, emplaces it in init() and resets it in cleanup().
class FreshStores
{
public:
    FreshStores()
        : m_previousDirectory(QDir::currentPath())
    {
        QVERIFY(m_directory.isValid());
        QVERIFY(QDir::setCurrent(m_directory.path()));
        m_settings.emplace();
        m_sfis.emplace();
        m_received.emplace();
        m_errors.emplace();
        m_handlers.emplace();
        m_serialization.emplace();
        m_registry.emplace();
    }

    ~FreshStores()
    {
        m_registry.reset();
        m_serialization.reset();
        m_handlers.reset();
        m_errors.reset();
        m_received.reset();
        m_sfis.reset();
        m_settings.reset();
        QDir::setCurrent(m_previousDirectory);
    }

    FreshStores(const FreshStores &) = delete;
    FreshStores &operator=(const FreshStores &) = delete;

    // The working directory of the case.
    QString directory() const { return m_directory.path(); }

private:
    QString m_previousDirectory;
    QTemporaryDir m_directory;
    std::optional<FreshInstance<ESDataClass>> m_settings;
    std::optional<FreshInstance<ListOfSfisOnNetwork>> m_sfis;
    std::optional<FreshInstance<NmeaData>> m_received;
    std::optional<FreshInstance<ErrorLogger>> m_errors;
    std::optional<FreshInstance<NmeaHandlerContainer>> m_handlers;
    std::optional<FreshInstance<SerializationController>> m_serialization;
    std::optional<FreshInstance<SignalExtender>> m_registry;
};

#endif // FRESHSTORES_H
