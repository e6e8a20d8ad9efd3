// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/name_prompt.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QValidator>

#include "app/score_table.h"
#include "widgets/logic_text.h"

namespace brelvox::ui {

namespace {

class CodePointLimit final : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int&) const override {
    return static_cast<std::size_t>(input.toUcs4().size()) <= brelvox::kMaxNameLength ? Acceptable
                                                                                      : Invalid;
  }
};

}  // namespace

std::string AskPlayerName(QWidget* parent) {
  QInputDialog prompt(parent);
  // The prompt's texts belong to the main window's win, as they always have.
  prompt.setWindowTitle(
      WindowText(QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "New highscore!")));
  prompt.setLabelText(
      WindowText(QT_TRANSLATE_NOOP("brelvox::ui::TMainWindow", "Enter your name:")));
  prompt.setInputMode(QInputDialog::TextInput);
  prompt.setTextValue(QString());
  if (auto* edit = prompt.findChild<QLineEdit*>()) LimitToNameLength(edit);
  if (prompt.exec() != QDialog::Accepted) return {};
  return prompt.textValue().toStdString();
}

void LimitToNameLength(QLineEdit* edit) {
  // Two UTF-16 units at most per code point; the validator does the counting.
  edit->setMaxLength(static_cast<int>(2 * brelvox::kMaxNameLength));
  edit->setValidator(new CodePointLimit(edit));
}

}  // namespace brelvox::ui
