// SPDX-License-Identifier: GPL-3.0-or-later
// The modal level chooser of the New command. It keeps its selection from
// one opening to the next; its only result is ChosenLevel.
#pragma once

#include <QDialog>

#include "game/level_table.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace brelvox::ui {

class GlyphButton;

class TLevelChoose : public QDialog {
  Q_OBJECT

 public:
  explicit TLevelChoose(QWidget* parent = nullptr);

  // Shows the dialog modally; returns the chosen level 0..3, or -1.
  int Run();

  // The level chosen by Start (0..3), or -1 after Cancel or the close box.
  int ChosenLevel = 0;

  int SelectedIndex() const;

  static const char* const LevelDescriptions[brelvox::kLevelCount];

 public slots:
  // The close box and Escape count as Cancel.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The constructor's parts: the level list, the description box, Start and Cancel.
  void CreateLevelGroup();
  void CreateDescription();
  void CreateButtons();
  // A level's description, one line per feature.
  static QString Description(int index);
  void levelClick();
  void StartClick();

  // The widgets, by their established names (also their objectNames).
  QGroupBox* level;
  QGroupBox* GroupBox1;
  QLabel* description;
  GlyphButton* Start;
  GlyphButton* Cancel;
  // The radio buttons in `level`, named levelItem0 .. levelItem3.
  QRadioButton* levelButtons_[brelvox::kLevelCount];
  QButtonGroup* group_;
};

}  // namespace brelvox::ui
