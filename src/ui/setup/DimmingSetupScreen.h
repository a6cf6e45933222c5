#ifndef DIMMINGSETUPSCREEN_H
#define DIMMINGSETUPSCREEN_H

#include "ui/CustomColorDefinitions.h"

#include <QWidget>

class BrightnessSliderWrapper;
class LocalDimmingSetup;
class LocalDimmingSetupContainer;
class QAbstractButton;
class QModelIndex;
class RemoteDimmingSetup;

namespace Ui {
class DimmingSetupScreen;
}

// The page on which the user edits the four dimming presets, Day, Twilight, Night and Off: the brightness
// of each with the slider and its buttons, its colour palette from the theme list. The preset shown is
// applied while it is edited; leaving a preset or the page writes it to its file, and leaving the page
// returns brightness and palette to the presets that the remote dimming settings name. While the page is
// hidden it follows remote dimming: a new preset or palette letter, or a brightness percentage.
//
// A preset text that names none of the four presets (the letter "U" of an unknown preset) changes
// nothing.
class DimmingSetupScreen : public QWidget
{
    Q_OBJECT

public:
    explicit DimmingSetupScreen(QWidget *parent = nullptr);
    ~DimmingSetupScreen() override;

    BrightnessSliderWrapper *sliderWrapper() const { return m_wrapper; }
    // The preset being edited, or null (always null while the page is hidden).
    LocalDimmingSetup *editedPreset() const { return m_editedPreset; }

    // The preset named "DayDimmingSetup" or "D", "TwilightDimmingSetup" or "K", "NightDimmingSetup" or
    // "N", "OffDimmingSetup" or "O" (exact); null for any other text.
    LocalDimmingSetup *presetNamed(const QString &text) const;

signals:
    void currentTabChanged(QString preset);

public slots:
    void reloadUpAndDownArrowIcons(enum_ColorPalette palette);
    void presetButtonClicked(QAbstractButton *button);
    void on_theme_list_clicked(const QModelIndex &index);
    void dimmingValueChanged(int value);
    void remoteSetupForDimmingChanged(const QString &text);
    void remoteSetupForColorChanged(const QString &text);
    void remoteSetupForBrightnessPercentageChanged(int percent);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void fillThemeList();
    // Makes the preset named by `text` (the remote DimmingPreset when empty) the one being edited.
    void selectEditedPreset(const QString &text);
    void showPalette(int palette);
    // Applies a preset's palette as preview and as current palette.
    void applyPaletteOf(const LocalDimmingSetup *preset);

    Ui::DimmingSetupScreen *m_ui;
    BrightnessSliderWrapper *m_wrapper;
    LocalDimmingSetupContainer *m_container;
    LocalDimmingSetup *m_editedPreset = nullptr;
    RemoteDimmingSetup *m_remote;
    bool m_ignoreRemoteColor = true;
    bool m_ignoreSlider = false;
};

#endif // DIMMINGSETUPSCREEN_H
