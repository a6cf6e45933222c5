#ifndef ALFCONTROLLER_H
#define ALFCONTROLLER_H

#include <QObject>
#include <QString>

#include <memory>

class AcmRecord;
class AlertsController;
class QTimer;

// The alert producer in ALF mode: the content of an ALF sentence at every announced change of an alert,
// of an ALC sentence (the cyclic alert list) every 30 s, and of an ARC sentence when an alert command is
// refused; and the executor of the ACN alert commands of other stations (acknowledge, silence,
// responsibility transfer, request). A content is the field part of a sentence after its formatter,
// starting with ","; whoever sends it adds "$", talker, formatter, checksum and line end.
//
// Registers as "AlfController", the name the alerts' queued connections point to. Everything is off until
// setAlfEnabled(true).
class AlfController : public QObject
{
    Q_OBJECT

public:
    static constexpr int defaultAlcInterval = 30000;

    explicit AlfController(AlertsController *alertsController, QObject *parent = nullptr);
    ~AlfController() override;

    bool alfEnabled() const { return m_alfEnabled; }
    void setAlfEnabled(bool alfEnabled);
    const AcmRecord *acmRecord() const { return m_acmRecord.get(); }

    // The period of the ALC sentence in milliseconds; restarts the period. Values below 1 are refused.
    int alcInterval() const;
    void setAlcInterval(int milliseconds);

    // Received alert commands refused because they are no valid ACN (wrong field count, a command or
    // status that is no ACN word, a number out of range, an address that is not an ACN, an SFI or
    // text of the wrong length).
    int invalidCommandCount() const { return m_invalidCommandCount; }

signals:
    void alertSentenceContents(QString alert_contents);
    void alfSentenceContents(QString alf_contents);
    void alcSentenceContents(QString alc_contents);
    void arcSentenceContents(QString arc_contents);

public slots:
    void createAlfMessage(int alert_identifier);
    void createAlcMessage();
    // acm_body: the field text of an ACN, without its address field.
    void createArcMessage(QString acm_body);
    // Runs the command of the record once, if it has not been dealt with.
    void handleAcm();
    // msg_body: a received ACN sentence as text ("$", address, fields, and optionally "*" and checksum);
    // source: the SFI of its sender, empty from a serial port.
    void handleAcm(QString msg_body, QString source);

private:
    void emitContent(const QString &content, void (AlfController::*signal)(QString));
    void refuseCommand(const QString &reason);

    bool m_alfEnabled = false;
    AlertsController *m_alertsController;
    QTimer *m_alcTimer;
    std::unique_ptr<AcmRecord> m_acmRecord;
    int m_alfSequence = 0;
    int m_alcSequence = 0;
    bool m_combinedOutput = false;
    int m_invalidCommandCount = 0;
};

#endif // ALFCONTROLLER_H
