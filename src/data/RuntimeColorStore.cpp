#include "data/RuntimeColorStore.h"

#include "common/AtomicFile.h"
#include "common/BuildConfiguration.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString presetMarker = QString(101, QLatin1Char('X'));

struct DefaultClass
{
    const char *name;
    const char *colors[6];
};

// In palette order: Bright_Green, Green, Pale_Green, Bright_Yellow, Yellow, Pale_Yellow.
const char *const paletteNames[6]
    = { "Bright_Green", "Green", "Pale_Green", "Bright_Yellow", "Yellow", "Pale_Yellow" };

const DefaultClass defaultClasses[] = {
    { "SOG", { "#63ff4b", "#33ba38", "#52ffa9", "#aeff00", "#77ac31", "#daff73" } },
    { "GPS", { "#63ff4b", "#33ba38", "#52ffa9", "#aeff00", "#77ac31", "#daff73" } },
    { "STW", { "#10c8ff", "#1048ff", "#4be7ff", "#67c2ff", "#7091ff", "#8fdeff" } },
    { "CUR", { "#10c8ff", "#1048ff", "#4be7ff", "#67c2ff", "#7091ff", "#8fdeff" } },
    { "LOW_integrity", { "#ffec15", "#ffe23a", "#e9ff5a", "#ffff5d", "#f0ff49", "#f9ff83" } },
    { "Invalid_Color", { "#ff8f06", "#ff9d3a", "#ffb853", "#ffd181", "#ffd997", "#ffe7bd" } },
};

const QString classSeparator = QStringLiteral("|\n");

} // namespace

RuntimeColorStore *RuntimeColorStore::instance()
{
    if (TestOverride::isActive())
        return TestOverride::current();
    static RuntimeColorStore *store = new RuntimeColorStore;
    return store;
}

RuntimeColorStore::RuntimeColorStore()
    : m_fallbackColor(204, 102, 0, 255)
{
    const QString folder = QStringLiteral("Setup_Files/") + BuildConfiguration::instance()->productName();
    QDir().mkpath(folder);
    m_filePath = folder + QStringLiteral("/runtime_colors");
    if (!load())
        setDefaults();
}

QColor RuntimeColorStore::colorFor(const QString &colorClass) const
{
    // Speeds over ground from the satellite receiver share the colour of all speeds over ground, and the
    // water current named "WC" that of the speeds through the water.
    QString lookedUp = colorClass;
    if (lookedUp == QLatin1String("GPS"))
        lookedUp = QStringLiteral("SOG");
    else if (lookedUp == QLatin1String("WC"))
        lookedUp = QStringLiteral("STW");
    return color(lookedUp, m_currentPalette);
}

QColor RuntimeColorStore::color(const QString &colorClass, const QString &palette) const
{
    const auto found = m_table.constFind(colorClass);
    if (found == m_table.constEnd())
        return m_fallbackColor;
    const auto entry = found->constFind(palette);
    if (entry == found->constEnd())
        return m_fallbackColor;
    return *entry;
}

void RuntimeColorStore::setColor(const QColor &color, const QString &colorClass, const QString &palette)
{
    auto found = m_table.find(colorClass);
    if (found == m_table.end())
        return;
    found->insert(palette, color);
    save();
}

void RuntimeColorStore::setColorPreset(const QString &palette)
{
    m_currentPalette = palette;
    qDebug().noquote() << QStringLiteral("New color preset: ") + palette + presetMarker;
}

void RuntimeColorStore::setDimmingPreset(const QString &preset)
{
    m_currentDimmingPreset = preset;
    qDebug().noquote() << QStringLiteral("New dimming preset: ") + preset + presetMarker;
}

bool RuntimeColorStore::load()
{
    QFile file(m_filePath);
    qDebug().noquote() << QFileInfo(file).absoluteFilePath();
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "Problem opening file for reading!!";
        return false;
    }
    // Read one byte more than allowed: a file that fills it is too large to be a colour table.
    const QByteArray bytes = file.read(maximumFileSize + 1);
    file.close();
    if (bytes.size() > maximumFileSize) {
        qDebug() << "Runtime colour file too large:" << m_filePath;
        return false;
    }
    return parse(QString::fromLatin1(bytes));
}

void RuntimeColorStore::save()
{
    QString error;
    if (!writeFileAtomically(m_filePath, serialize().toLatin1(), &error))
        qDebug().noquote() << QStringLiteral("Problem opening file for writing!! ") + error;
}

QString RuntimeColorStore::serialize() const
{
    QString text = QStringLiteral("[");
    for (auto c = m_table.constBegin(); c != m_table.constEnd(); ++c) {
        text += c.key() + QLatin1Char('(');
        for (auto p = c->constBegin(); p != c->constEnd(); ++p)
            text += p.key() + QLatin1Char('=') + p.value().name(QColor::HexArgb) + QLatin1Char(',');
        text.chop(1);
        text += QLatin1Char(')') + classSeparator;
    }
    // The last class ends with its last colour: its ")", "|" and line feed are dropped.
    text.chop(3);
    text += QLatin1Char(']');
    return text;
}

bool RuntimeColorStore::parse(const QString &text)
{
    // The enclosing "[" and "]" are dropped without looking at them, as the writer puts them there.
    const QString inner = text.mid(1, text.size() - 2);
    const QStringList parts = inner.split(classSeparator);
    for (const QString &part : parts) {
        const QStringList pieces = part.split(QLatin1Char('('));
        // A class without "(" (an empty or cut file) is as damaged as a bad entry.
        if (pieces.size() < 2) {
            qDebug() << "Runtime colour class without colours:" << part;
            return false;
        }
        QString entries = pieces.at(1);
        // The writer leaves out the last class's ")"; a reader must not need it.
        entries.remove(QLatin1Char(')'));
        QMap<QString, QColor> palettes;
        const QStringList items = entries.split(QLatin1Char(','));
        for (const QString &item : items) {
            const QStringList nameAndColor = item.split(QLatin1Char('='));
            if (nameAndColor.size() != 2)
                return false;
            // A colour that is no colour name would draw its values invisibly (an invalid colour is
            // black on the black pages); such a file is damaged like any other.
            QColor color;
            color.setNamedColor(nameAndColor.at(1));
            if (!color.isValid()) {
                qDebug() << "Runtime colour entry without a colour:" << item;
                return false;
            }
            palettes.insert(nameAndColor.at(0), color);
        }
        m_table.insert(pieces.at(0), palettes);
    }
    return true;
}

void RuntimeColorStore::setDefaults()
{
    for (const DefaultClass &defaults : defaultClasses) {
        QMap<QString, QColor> palettes;
        for (int i = 0; i < 6; ++i)
            palettes.insert(QLatin1String(paletteNames[i]), QColor(QLatin1String(defaults.colors[i])));
        m_table.insert(QLatin1String(defaults.name), palettes);
    }
    save();
}
