// The modal level chooser of the New command. It keeps its selection from
// one opening to the next; its only result is ChosenLevel.
#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QRadioButton;
class TGlyphButton;

class TLevelChoose : public QDialog {
  Q_OBJECT

 public:
  explicit TLevelChoose(QWidget* parent = nullptr);

  // Shows the dialog modally; returns the chosen level 0..3, or -1.
  int Run();

  // The level chosen by Start (0..3), or -1 after Cancel or the close box.
  int ChosenLevel = 0;

  int SelectedIndex() const;
  void SelectIndex(int index);

  static const char* const LevelDescriptions[4];

  QGroupBox* level;
  QRadioButton* levelItems[4];
  QGroupBox* GroupBox1;
  QLabel* description;
  TGlyphButton* Start;
  TGlyphButton* Cancel;

 public slots:
  // The close box and Escape count as Cancel.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void levelClick();
  void StartClick();

  QButtonGroup* group_;
};
