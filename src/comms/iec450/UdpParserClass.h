#ifndef UDPPARSERCLASS_H
#define UDPPARSERCLASS_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>
#include <QVector>

// Codec of IEC 61162-450 sentence datagrams: "UdPbC", a NUL byte, then lines of the form
// "\" tag-block "*" checksum "\" sentence, each sentence ending with CR LF. Class-level operations only.
//
// A datagram is always read by position: its text is cut into lines at CR LF, and only the text between
// the backslash that opens a line and the next backslash is a tag block. Parameters are found at the
// start of the tag block's comma-separated items. So a sentence whose data happens to contain "n:", "s:",
// "d:", "t:pqrv" or a backslash is never taken for (part of) a tag block.
class UdpParserClass
{
public:
    UdpParserClass() = delete;

    // One line of a datagram.
    struct Line
    {
        QString tagBlock; // between the two backslashes: parameters, "*" and checksum digits
        QString sentence; // the rest of the line, CR LF included when the line had one
    };

    // Result codes of readLines().
    enum LineResult {
        LinesOk = 0,
        LinesBadHeader = 79, // not "UdPbC" followed by a NUL byte
        LinesTooLong = 75, // more than maxDatagramSize bytes
        LinesBadFraming = 73 // a line without its opening or closing backslash, or a tag block over 80
    };

    static const int maxDatagramSize = 1460;
    static const int maxTagBlockLength = 80; // tag block with its "*" and checksum digits

    // "UdPbC": the header text every sentence datagram starts with (followed by a NUL byte).
    static QString headerText();
    // The six header bytes, NUL included.
    static QByteArray headerBytes();

    // The values of one received tag block.
    struct TagValues
    {
        QString source;
        QStringList destinations;
        QString lineCountText; // the n: value as written
        int lineCount = 0;
        bool hasGroup = false;
        QString groupText; // the g: value as written
        int position = 1; // 1 without g:
        int groupSize = 1; // 1 without g:
        QString groupId;
        bool hasTextTag = false;
        QString textTag;
    };

    // Where the parameters of one tag block stand in it: the first s:, n: and g:, every d:, and the text
    // tag (a t: parameter runs to the "*", so what follows it belongs to its text). Positions count in
    // the tag-block text; a value "has an end" when a "," or the "*" follows it.
    struct TagScan
    {
        struct Value
        {
            int position = -1;
            int length = 0;
            bool hasEnd = false;
            bool found() const { return position >= 0; }
        };
        bool hasStar = false;
        Value source;
        Value line;
        Value group;
        QVarLengthArray<Value, 4> destinations;
        bool hasTextTag = false;
        Value textTag;
    };
    static TagScan scanTagBlock(const QString &tag_block);

    // One line of a received datagram as it was read.
    struct ReadLine
    {
        QString text; // a faulty line as cut at CR LF, without them, for its error record
        int framingFault = 0; // LinesBadFraming: no opening or closing backslash, or a tag block over 80
        Line line; // tag block and sentence of a framed line
        TagScan tags; // where its tag block's parameters stand
        int tagFault = 0; // readTagBlock's answer: 0, 71 checksum, 72 parameters (g: included)
        TagValues values; // the values, when tagFault is 0
    };
    // A datagram read once. Every value the unit takes from a received datagram (the intake's line checks
    // and its filter, the record that the reassembly keeps) comes from one reading, so its text is cut
    // into lines, and each tag block into its parameters, one time.
    struct Reading
    {
        LineResult result = LinesOk; // as readLines() answers
        QString text; // the text of the lines: after the header, up to the first NUL byte
        QVector<ReadLine> lines; // every non-empty line, framed or not, in order
    };
    static Reading read(const QByteArray &datagram);
    // The lines of a text without header (cut at CR LF), and one line as it stands.
    static Reading readText(const QString &text);
    static ReadLine readLine(const QString &line);
    // The fault of one line, with the debug line of the parameter check that failed: 0, or 73 framing,
    // 71 tag checksum, 72 tag parameters (s:, n:, d:).
    static int checkLine(const ReadLine &line);

    // The lines of a datagram, in order; empty lines between CR LF pairs are skipped. The text after the
    // header ends at the first NUL byte.
    static LineResult readLines(const QByteArray &datagram, QList<Line> *lines);

    // The tag block of one line, with its leading backslash and without "*" and checksum. Parameters in
    // the order g:, s:, d: (one per destination), n:, t:; d: only with destinations, t: only with a text
    // tag that is neither empty nor "noTag".
    static QString buildTagBlock(const QString &source_sfi, const QStringList &dest_sfi, int position,
        int sentence_count, const QString &text_tag, int group_id, int line_count);

    // Parameter checks of one tag block (a leading backslash is allowed). Each failure writes one debug
    // line. Negative means invalid.
    // 0 valid; -1 no "s:"; -2 the value has no end; -3 the value is not 6 characters.
    static int checkSourceTag(const QString &tag_block);
    // 0 valid; -1 no "n:"; -2 no end; -3 not a decimal number; -4 outside 1 to 999.
    static int checkLineTag(const QString &tag_block);
    // 1 no "d:" at all; 0 every d: valid; -2 a value has no end; -3 a value is not 6 characters.
    static int checkDestinationTags(const QString &tag_block);
    // 1 no "g:"; 0 valid; -2 no end; -3 not three decimal numbers joined by hyphens; -4 a position
    // outside 1 to the number of sentences, or a number of sentences outside 1 to 999.
    static int checkGroupTag(const QString &tag_block);

    // Reads one tag block of a received line, quietly: 0 when it is valid, else the error code
    // (NmeaOverUdpErrorType): 71 a wrong or missing checksum, 72 a missing or bad s: or n:, a bad d: or g:.
    static int readTagBlock(const QString &tag_block, TagValues *values);
    static int readTagBlock(const QString &tag_block, const TagScan &scan, TagValues *values);

    // The tag block of the datagram's last line when it holds both s: and n:, else empty.
    static QString lastTagBlock(const QByteArray &datagram);
    // The checks above applied to the last tag block.
    static int checkDatagramSourceTag(const QByteArray &datagram);
    static int checkDatagramLineTag(const QByteArray &datagram);
    static int checkDatagramDestinationTags(const QByteArray &datagram);
    // -1 source check fails, else -2 destination check fails, else -3 line check fails, else 0.
    static int checkDatagramTags(const QByteArray &datagram);

    // The values below, taken from a reading.
    static QString lastTagBlock(const Reading &reading);
    static QString sourceSfi(const Reading &reading);
    static QString lineCountText(const Reading &reading);
    static QString groupKey(const Reading &reading);
    static bool tagChecksumsValid(const Reading &reading);
    static QStringList destinationSfis(const Reading &reading);
    static QString textTag(const Reading &reading);
    static bool isInternalDatagram(const Reading &reading);

    // The s: value of the first line; empty when the last tag block fails the source check or the first
    // line has no valid s:.
    static QString sourceSfi(const QByteArray &datagram);
    static bool isFromSfiIn(const QByteArray &datagram, const QStringList &sfis);
    // The n: value of the first line; empty when the last tag block fails the line check.
    static QString lineCountText(const QByteArray &datagram);
    // g: value of the last line, "-", n: value of the first line ("1-1-1-" + n: when the last line has no
    // g:). Names a datagram in acknowledgements. Empty when the datagram has no such values.
    static QString groupKey(const QByteArray &datagram);
    // Every tag block carries valid checksum digits (a tag block without "*" passes, as the line check of
    // the intake rejects it on its own).
    static bool tagChecksumsValid(const QByteArray &datagram);
    // The d: values of the first line, in order; empty when the last tag block fails the destination check.
    static QStringList destinationSfis(const QByteArray &datagram);
    // No destinations, or the SFI is one of them.
    static bool isAddressedTo(const QByteArray &datagram, const QString &sfi);
    // -1 not addressed to own_sfi; else 0 when the source is in accepted_sources, else -2.
    static int checkAddressing(
        const QByteArray &datagram, const QString &own_sfi, const QStringList &accepted_sources);

    // The t: value of the first tag block that has one, else empty.
    static QString textTag(const QByteArray &datagram);
    // The text tag (textTag) begins with "pqrv": proprietary data between units.
    static bool isInternalDatagram(const QByteArray &datagram);
    // The text tag begins with "pqrvack": an acknowledgement.
    static bool isAcknowledgementDatagram(const QByteArray &datagram);
    // The text tag begins with "pqrvsetup": a settings group the receiver acknowledges.
    static bool isSetupDatagram(const QByteArray &datagram);
    // The group key after "pqrvack" in the acknowledgement's text tag.
    static QString acknowledgedKey(const QByteArray &datagram);

    // Removes every d: parameter of the SFI from the tag blocks and repairs their checksums.
    static void removeDestination(QByteArray &datagram, const QString &sfi);
    // A copy with a d: parameter for the SFI in every tag block (before its n:); the datagram unchanged when
    // it already has destinations; empty when a tag block has no n:.
    static QByteArray addDestination(const QByteArray &datagram, const QString &sfi);
    // Puts the first five characters of the header text (missing or non-Latin-1 ones as NUL) and a NUL byte
    // in front of the datagram.
    static void prependHeader(QByteArray &datagram, const QString &header);
};

#endif // UDPPARSERCLASS_H
