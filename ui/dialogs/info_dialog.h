// SPDX-License-Identifier: GPL-3.0-or-later
// The modal info dialog: name, version, a picture, a note, and a help list
// that the Howto... button unfolds below the buttons.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QStringList>
#include <functional>

#include "widgets/sharp_picture.h"

class QFrame;
class QListWidget;

namespace brelvox {
class MainWindowLogic;
}

namespace brelvox::ui {

class GlyphButton;

// A picture that reports a mouse button released over it.
class InfoPicture : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

  // Shows the resource picture `assetName`, drawn at the screen's
  // resolution from its finer copies.
  void SetPicture(const QString& assetName);

 signals:
  void MouseUp();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  sharp::ScaledAsset finer_;
};

class TInfo : public QDialog {
  Q_OBJECT

 public:
  // Scores calls `showScores`; the window that owns the score table shows it.
  TInfo(brelvox::MainWindowLogic& logic, std::function<void()> showScores,
        QWidget* parent = nullptr);

  // Client heights: folded ends below the buttons, unfolded shows the list.
  static constexpr int kClientWidth = 330;
  static constexpr int kFoldedHeight = 245;
  static constexpr int kUnfoldedHeight = 456;

  // The help text by lines as written; the list wraps a line wider than
  // HelpRoom() at its blanks.
  static QStringList HelpText();
  int HelpRoom() const;

 protected:
  // Every opening starts folded.
  void showEvent(QShowEvent* event) override;
  // While the help shows, the paging keys and the arrows the buttons leave
  // alone scroll it: the list itself takes no focus.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CreatePictureAndTexts();
  void CreateButtons();
  void CreateHelpList();
  void FormActivate();
  void BackButtonClick();
  void HowButtonClick();
  void ScoresButtonClick();

  // The widgets, by their established names (also their objectNames).
  QFrame* Bevel1;
  InfoPicture* Image1;
  QLabel* Label1;
  QLabel* Version;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label5;
  GlyphButton* BackButton;
  GlyphButton* HowButton;
  GlyphButton* ScoresButton;
  QListWidget* ListBox1;

  brelvox::MainWindowLogic& logic_;
  std::function<void()> showScores_;
};

}  // namespace brelvox::ui
