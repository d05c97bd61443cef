// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include "dialog_platform.h"
#include "settings_file.h"
#include "window_drag.h"

#include <QPixmap>
#include <QWidget>

#include <memory>
#include <utility>
#include <vector>

namespace Ui
{
class frmConfig;
}
class QLabel;
class QMouseEvent;

// The configuration window: loads the game's settings into its controls and
// writes them back on Save.
class frmConfig : public QWidget
{
    Q_OBJECT

  public:
    frmConfig(DialogPlatform &platform, SettingsFile settingsFile, QWidget *parent = nullptr);
    ~frmConfig() override;

    // Prepares the window before it is first shown. False when the settings
    // could not be read and the program was told to end.
    bool Form_Load();
    void showCentred();

  protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private slots:
    void cmdSave_Click();
    void cmdQuit_Click();
    void cmdExit_Click();
    void lstDisplay_Change(const QString &text);

  private:
    void lblTitle_MouseDown(QMouseEvent *event);
    void picMainSkin_MouseDown(QMouseEvent *event);
    bool LoadSettings();
    // The skin, its shape and the pictures, drawn for the screen's scale.
    void ApplySkinAtScale();
    void failOnFile(const SettingsError &error);

    std::unique_ptr<Ui::frmConfig> ui;
    DialogPlatform &platform;
    WindowDrag drag{*this};
    const SettingsFile settingsFile;
    GameSettings settings;
    // The pictures as designed, before scaling.
    std::vector<std::pair<QLabel *, QPixmap>> pixelArt;
    qreal skinRatio = 0;
};
