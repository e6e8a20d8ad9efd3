// SPDX-License-Identifier: GPL-3.0-or-later
#include "name_length.h"

#include <QLineEdit>
#include <QValidator>

#include "app/score_table.h"

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

void LimitToNameLength(QLineEdit* edit) {
  // Two UTF-16 units at most per code point; the validator does the counting.
  edit->setMaxLength(static_cast<int>(2 * brelvox::kMaxNameLength));
  edit->setValidator(new CodePointLimit(edit));
}
