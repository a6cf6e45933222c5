#include "nmea/NmeaMessage.h"
#include "nmea/NmeaMessagePool.h"
#include "nmea/ValidatedProperty.h"
#include "sentences/DepthSentences.h"

#include <QDoubleValidator>
#include <QIntValidator>
#include <QPointer>
#include <QRegularExpressionValidator>
#include <QtTest>

#include <memory>

namespace {

// Everything a caller can learn of a message and its fields, one line each.
QStringList stateOf(const NmeaMessage *message)
{
    QStringList state { message->metaObject()->className(), message->talker(), message->formatter(),
        message->parameters(), message->sourcePort(), message->sourceSfi(),
        QString::number(message->hasRawParameters()), QString::number(message->fieldCount()) };
    for (int i = 0; i < message->fieldCount(); ++i) {
        const ValidatedProperty *field = message->field(i);
        QString line = QStringLiteral("%1 text=%2 valid=%3 safe=%4 fixed=%5 max=%6 null=%7 fallback=%8 "
                                      "counter=%9 limit=%10")
                           .arg(i)
                           .arg(field->toNmeaString())
                           .arg(field->isValid())
                           .arg(field->isSafe())
                           .arg(field->fixedLength())
                           .arg(field->maxFieldLength())
                           .arg(field->canBeNullField())
                           .arg(field->fallbackText())
                           .arg(field->validityCounter())
                           .arg(field->validityLimit());
        if (const auto *real = qobject_cast<const ValidatedFloatProperty *>(field))
            line += QStringLiteral(" value=%1 digits=%2 least=%3 decimals=%4")
                        .arg(real->value())
                        .arg(real->fixedDigitsBeforePoint())
                        .arg(real->leastDecimalsReceived())
                        .arg(real->sendDecimals());
        if (const auto *integer = qobject_cast<const ValidatedIntProperty *>(field))
            line += QStringLiteral(" value=%1").arg(integer->value());
        if (const auto *text = qobject_cast<const ValidatedStringProperty *>(field))
            line += QStringLiteral(" value=%1 null=%2").arg(text->value()).arg(text->value().isNull());
        if (const auto *bounds = qobject_cast<const QIntValidator *>(field->validator()))
            line += QStringLiteral(" int %1;%2").arg(bounds->bottom()).arg(bounds->top());
        if (const auto *bounds = qobject_cast<const QDoubleValidator *>(field->validator()))
            line += QStringLiteral(" double %1;%2;%3;%4")
                        .arg(bounds->bottom())
                        .arg(bounds->top())
                        .arg(bounds->decimals())
                        .arg(bounds->notation());
        if (const auto *pattern = qobject_cast<const QRegularExpressionValidator *>(field->validator()))
            line += QStringLiteral(" pattern %1").arg(pattern->regularExpression().pattern());
        if (field->validator())
            line += QStringLiteral(" locale %1").arg(field->validator()->locale().name());
        state << line;
    }
    if (const auto *xdr = qobject_cast<const MsgXdr *>(message))
        state << xdr->types().join(QLatin1Char(';')) << xdr->units().join(QLatin1Char(';'));
    return state;
}

// Takes a message from the pool, parses the fields into it and spoils what a handler might change.
NmeaMessage *takeAndUse(const QString &talker, const QString &formatter, const QString &fields)
{
    NmeaMessage *message = NmeaMessagePool::instance()->take(talker, formatter);
    if (!message)
        return nullptr;
    message->deserializeParamaters(fields);
    message->setSourcePort(QStringLiteral("UDP"));
    message->setSourceSfi(QStringLiteral("GN0001"));
    message->setAllFieldsSafe(false);
    for (int i = 0; i < message->fieldCount(); ++i) {
        ValidatedProperty *field = message->field(i);
        field->setFixedLength(7);
        field->setFallbackText(QStringLiteral("spoilt"));
        field->increaseValidityCounter();
        if (auto *real = qobject_cast<ValidatedFloatProperty *>(field))
            real->setSendDecimals(5);
        if (auto *bounds = qobject_cast<QIntValidator *>(field->validator()))
            bounds->setRange(-3, 3);
        if (auto *bounds = qobject_cast<QDoubleValidator *>(field->validator()))
            bounds->setRange(-3.0, 3.0, bounds->decimals());
        if (auto *pattern = qobject_cast<QRegularExpressionValidator *>(field->validator()))
            pattern->setRegularExpression(QRegularExpression(QStringLiteral("spoilt")));
    }
    return message;
}

} // namespace

class TestNmeaMessagePool : public QObject
{
    Q_OBJECT

private slots:
    void reusedMessageIsLikeNew_data();
    void reusedMessageIsLikeNew();
    // A field is restored only where something changed it since its last restore: each round changes
    // other fields, in other ways, and leaves others alone.
    void reusedRoundAfterRound();
    void freeMessagesPerTalker();
    void keptMessageIsLeftToItsOwner();
    void boundedPerClass();
    void withoutReuse();
    void unknownKey();
};

void TestNmeaMessagePool::reusedMessageIsLikeNew_data()
{
    QTest::addColumn<QString>("talker");
    QTest::addColumn<QString>("formatter");
    QTest::addColumn<QString>("fields");

    QTest::newRow("GGA") << "GP"
                         << "GGA"
                         << "123519.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,";
    QTest::newRow("GSV, defaults") << "GL"
                                   << "GSV"
                                   << "3,1,12,65,42,292,,66,82,062,37";
    QTest::newRow("refused half-way") << "GP"
                                      << "GGA"
                                      << "123519.00,4807.038,X,01131.000";
    QTest::newRow("XDR lists") << "II"
                               << "XDR"
                               << "D,12.5,M,DEPTH,D,3.0,M,KEEL";
    QTest::newRow("proprietary") << "PQRV"
                                 << "PAIR"
                                 << "GN1001,GN1000,P";
}

void TestNmeaMessagePool::reusedMessageIsLikeNew()
{
    QFETCH(QString, talker);
    QFETCH(QString, formatter);
    QFETCH(QString, fields);
    NmeaMessagePool *pool = NmeaMessagePool::instance();
    const std::unique_ptr<NmeaMessage> fresh(NmeaMessage::create(talker, formatter));
    QVERIFY(fresh);

    NmeaMessage *used = takeAndUse(talker, formatter, fields);
    QVERIFY(used);
    QVERIFY(stateOf(used) != stateOf(fresh.get()));
    pool->give(used);
    NmeaMessage *reused = pool->take(talker, formatter);
    QCOMPARE(reused, used);
    QCOMPARE(stateOf(reused), stateOf(fresh.get()));

    // And it parses as a new one does.
    QCOMPARE(reused->deserializeParamaters(fields), fresh->deserializeParamaters(fields));
    QCOMPARE(stateOf(reused), stateOf(fresh.get()));
    pool->give(reused);
}

void TestNmeaMessagePool::reusedRoundAfterRound()
{
    NmeaMessagePool *pool = NmeaMessagePool::instance();
    const QString talker = QStringLiteral("GP");
    const QString formatter = QStringLiteral("GGA");
    const std::unique_ptr<NmeaMessage> fresh(NmeaMessage::create(talker, formatter));
    const QStringList freshState = stateOf(fresh.get());
    // Round by round: the field text, then what else happens to the message before it is given back.
    enum Then { Nothing, Tick, SafeFlag, Fallback, ValidatorOnly, SetValue, CopyRules };
    const struct
    {
        const char *fields;
        Then then;
    } rounds[] = { { "123519.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,", Nothing }, { "", Nothing },
        { ",,,,,,,,,,,,,", Tick }, { "123519.00,4807.038,X", Nothing },
        { "123519.00,4807.038,S,01131.000,W,2,09,1.0,-5.4,M,-46.9,M,3,0001", SafeFlag },
        { "123519.00", Fallback }, { "", ValidatorOnly }, { "", SetValue }, { "", CopyRules },
        { "123519.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,", Tick } };
    for (const auto &round : rounds) {
        NmeaMessage *message = pool->take(talker, formatter);
        QVERIFY(message);
        QCOMPARE(stateOf(message), freshState);
        message->deserializeParamaters(QLatin1String(round.fields));
        ValidatedProperty *last = message->field(message->fieldCount() - 1);
        ValidatedProperty *first = message->field(0);
        switch (round.then) {
        case Nothing:
            break;
        case Tick:
            // The validity timer reaches free messages too.
            last->increaseValidityCounter();
            break;
        case SafeFlag:
            last->setSafe(false);
            break;
        case Fallback:
            last->setFallbackText(QStringLiteral("9"));
            break;
        case ValidatorOnly:
            // Through the validator alone; the field itself does not learn of it.
            if (auto *bounds = qobject_cast<QDoubleValidator *>(first->validator()))
                bounds->setRange(-3.0, 3.0, bounds->decimals());
            if (auto *bounds = qobject_cast<QIntValidator *>(last->validator()))
                bounds->setRange(-3, 3);
            if (auto *pattern = qobject_cast<QRegularExpressionValidator *>(message->field(2)->validator()))
                pattern->setRegularExpression(QRegularExpression(QStringLiteral("X")));
            break;
        case SetValue:
            if (auto *real = qobject_cast<ValidatedFloatProperty *>(first))
                real->setValue(1.5);
            break;
        case CopyRules: {
            const std::unique_ptr<NmeaMessage> other(NmeaMessage::create(talker, formatter));
            other->deserializeParamaters(QStringLiteral("000001.00,0000.001,S"));
            other->field(1)->setFixedLength(9);
            message->field(1)->copyFrom(other->field(1));
            break;
        }
        }
        QVERIFY(stateOf(message) != freshState || round.then == Nothing);
        pool->give(message);
    }
    NmeaMessage *last = pool->take(talker, formatter);
    QCOMPARE(stateOf(last), freshState);
    pool->give(last);
}

void TestNmeaMessagePool::freeMessagesPerTalker()
{
    NmeaMessagePool *pool = NmeaMessagePool::instance();
    NmeaMessage *gp = pool->take(QStringLiteral("GP"), QStringLiteral("RMC"));
    QVERIFY(gp);
    pool->give(gp);
    // A free message of another talker is not handed out: the talker is the message's own.
    NmeaMessagePool::Handle gn(pool->take(QStringLiteral("GN"), QStringLiteral("RMC")));
    QVERIFY(gn.get() != gp);
    QCOMPARE(gn->talker(), QStringLiteral("GN"));
    NmeaMessagePool::Handle again(pool->take(QStringLiteral("GP"), QStringLiteral("RMC")));
    QCOMPARE(again.get(), gp);
    QCOMPARE(again->talker(), QStringLiteral("GP"));
}

void TestNmeaMessagePool::keptMessageIsLeftToItsOwner()
{
    NmeaMessagePool *pool = NmeaMessagePool::instance();
    const int freeBefore = pool->freeCount();
    std::unique_ptr<QObject> owner(new QObject);
    QPointer<NmeaMessage> kept;
    {
        NmeaMessagePool::Handle message(pool->take(QStringLiteral("GP"), QStringLiteral("HDT")));
        message->deserializeParamaters(QStringLiteral("123.4,T"));
        // What a handler that keeps a received message does: it becomes the message's parent.
        message->setParent(owner.get());
        kept = message.get();
    }
    QVERIFY(kept);
    QCOMPARE(pool->freeCount(), freeBefore);
    QCOMPARE(kept->parameters(), QStringLiteral("123.4,T"));
    NmeaMessagePool::Handle next(pool->take(QStringLiteral("GP"), QStringLiteral("HDT")));
    QVERIFY(next.get() != kept.data());
    owner.reset();
    QVERIFY(!kept);
}

void TestNmeaMessagePool::boundedPerClass()
{
    NmeaMessagePool *pool = NmeaMessagePool::instance();
    const int count = NmeaMessagePool::maxFreePerClass + 5;
    QList<QPointer<NmeaMessage>> messages;
    for (int i = 0; i < count; ++i)
        messages << pool->take(QStringLiteral("GP"), QStringLiteral("VTG"));
    const int freeBefore = pool->freeCount();
    for (const QPointer<NmeaMessage> &message : qAsConst(messages))
        pool->give(message.data());
    QCOMPARE(pool->freeCount(), freeBefore + NmeaMessagePool::maxFreePerClass);
    int deleted = 0;
    for (const QPointer<NmeaMessage> &message : qAsConst(messages))
        deleted += message.isNull() ? 1 : 0;
    QCOMPARE(deleted, 5);
}

void TestNmeaMessagePool::withoutReuse()
{
    NmeaMessagePool *pool = NmeaMessagePool::instance();
    pool->setEnabled(false);
    QCOMPARE(pool->freeCount(), 0);
    QPointer<NmeaMessage> message = pool->take(QStringLiteral("GP"), QStringLiteral("ZDA"));
    QVERIFY(message);
    pool->give(message.data());
    QVERIFY(!message);
    QCOMPARE(pool->freeCount(), 0);
    pool->setEnabled(true);
    QVERIFY(pool->isEnabled());
}

void TestNmeaMessagePool::unknownKey()
{
    NmeaMessagePool *pool = NmeaMessagePool::instance();
    QCOMPARE(pool->take(QStringLiteral("GP"), QStringLiteral("ZZZ")), nullptr);
    // GGA is no proprietary sentence, PAIR no standard one: the registry follows the talker.
    QCOMPARE(pool->take(QStringLiteral("PQRV"), QStringLiteral("GGA")), nullptr);
    QCOMPARE(pool->take(QStringLiteral("GP"), QStringLiteral("PAIR")), nullptr);
    pool->give(nullptr);
}

QTEST_GUILESS_MAIN(TestNmeaMessagePool)
#include "tst_nmeamessagepool.moc"
