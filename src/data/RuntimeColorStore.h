#ifndef RUNTIMECOLORSTORE_H
#define RUNTIMECOLORSTORE_H

#include "common/ScopedInstanceOverride.h"

#include <QColor>
#include <QMap>
#include <QString>

// The colours in which runtime values are drawn: for every colour class (the "colorClass=" item of a
// runtime value's description, and the state classes "LOW_integrity" and "Invalid_Color") one colour per
// theme palette ("Bright_Green" ... "Pale_Yellow"). Kept in the text file "runtime_colors" beside the
// settings files; a file that is missing, unreadable or damaged is replaced by the built-in defaults, so
// the display always starts with a complete table.
//
// File text: "[" + classes + "]", a class written as name + "(" + palette=#aarrggbb entries joined by ","
// + ")|" and a line feed; the last class lacks its ")|" and line feed (the writer drops them, the reader
// does not need them). Stored files and the colour editor depend on this form.
//
// A plain process-wide object: no signals; widgets pick up a new colour when they next redraw. GUI thread
// only.
class RuntimeColorStore
{
public:
    using Table = QMap<QString, QMap<QString, QColor>>;
    using TestOverride = ScopedInstanceOverride<RuntimeColorStore>;

    // The store of the product's settings folder, created (and its file read or written) on first use;
    // never destroyed. While a TestOverride lives, the override's store.
    static RuntimeColorStore *instance();

    // A store over "Setup_Files/" + product display name + "/runtime_colors" (relative to the working
    // directory): the folder is made, the file read, and the defaults put in and written when the file
    // cannot be read or parsed.
    RuntimeColorStore();

    // The colour of a class in the current palette. "GPS" is looked up as "SOG" and "WC" as "STW"; a
    // missing class or palette (also before setColorPreset) gives the fallback colour.
    QColor colorFor(const QString &colorClass) const;
    // The colour of a class in a palette, without renaming; the fallback colour when absent.
    QColor color(const QString &colorClass, const QString &palette) const;
    // Replaces one palette's colour of a class already in the table and writes the file; a class not in
    // the table changes nothing and writes nothing.
    void setColor(const QColor &color, const QString &colorClass, const QString &palette);

    void setColorPreset(const QString &palette);
    QString colorPreset() const { return m_currentPalette; }
    // Kept for the dimming page; nothing here reads it.
    void setDimmingPreset(const QString &preset);
    QString dimmingPreset() const { return m_currentDimmingPreset; }

    // Reads and parses the file; false when it cannot be read, is too large or is damaged.
    bool load();
    // Writes the file as a whole (readers see the old or the new file); on failure the old file stays and
    // the table in memory stays in use.
    void save();
    QString serialize() const;
    // Fills the table from a file text; false at the first damaged class (the classes before it stay).
    bool parse(const QString &text);
    // Puts the six default classes into the table (replacing those classes, keeping others) and writes the
    // file.
    void setDefaults();

    QString filePath() const { return m_filePath; }
    QColor fallbackColor() const { return m_fallbackColor; }
    Table table() const { return m_table; }

    // A file larger than this is not a colour table (the defaults take 793 bytes).
    static const qint64 maximumFileSize = 64 * 1024;

private:
    QString m_filePath;
    QColor m_fallbackColor;
    QString m_currentPalette;
    QString m_currentDimmingPreset;
    Table m_table;
};

#endif // RUNTIMECOLORSTORE_H
