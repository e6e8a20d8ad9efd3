// SPDX-License-Identifier: GPL-3.0-or-later
// Every window in every language the program speaks, English included: no
// text may be wider or taller than the place it is drawn in.
#include <gtest/gtest.h>

#include <QFile>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTableWidget>

#include "app/score_file.h"
#include "program.h"
#include "shell/translations.h"
#include "widgets/glyph_button.h"
#include "window/narrator.h"

using namespace brelvox::ui;

namespace {

using uitest::Child;
using uitest::Program;
using uitest::WhenModal;

// Room an item view leaves for an item's text: its margins on both sides.
int ItemTextMargins(const QWidget* view) {
  return 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
}

QString Describe(const QWidget* widget, const QString& text) {
  return widget->objectName() + QStringLiteral(" \"") + text + QLatin1Char('"');
}

// What does not fit in `window`, one line per text.
QStringList Clipped(QWidget* window) {
  QStringList problems;
  window->grab();  // lays out and paints everything once
  const QRect inside = window->rect();
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(window)) continue;
    const QRect place(widget->mapTo(window, QPoint(0, 0)), widget->size());
    if (!inside.contains(place))
      problems << widget->objectName() + QStringLiteral(" reaches outside its window");
    const QFontMetrics metrics = widget->fontMetrics();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      if (button->text().isEmpty()) continue;
      QStyleOptionButton option;
      option.initFrom(button);
      auto* push = qobject_cast<QPushButton*>(button);
      if (push && push->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
      const QRect room = widget->style()->subElementRect(
          push ? QStyle::SE_PushButtonContents : QStyle::SE_RadioButtonContents, &option, button);
      // The ink of the caption; a push button's glyph and its gap come first,
      // and a glyph button keeps some room from its frame on both sides.
      int ink = 0;
      for (const QString& line : button->text().split(QLatin1Char('\n')))
        ink = qMax(ink, metrics.tightBoundingRect(line).width());
      // The English "Howto..." is drawn edge to edge at its layout size.
      const bool drawnTight = button->text() == QLatin1String("Howto...");
      if (push && !button->icon().isNull())
        ink +=
            button->iconSize().width() + 4 + (drawnTight ? -1 : 2 * GlyphButton::kCaptionPadding);
      if (ink > room.width() ||
          metrics.size(Qt::TextShowMnemonic, button->text()).height() > room.height())
        problems << Describe(button, button->text());
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (label->text().isEmpty()) continue;
      const QRect room = label->contentsRect();
      const QRect need =
          label->wordWrap()
              ? metrics.boundingRect(QRect(0, 0, room.width(), 100000),
                                     Qt::TextWordWrap | int(label->alignment()), label->text())
              : QRect(QPoint(0, 0), metrics.size(0, label->text()));
      if (need.width() > room.width() || need.height() > room.height())
        problems << Describe(label, label->text());
    } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
      // The title sits on the frame line, indented from both corners.
      if (metrics.horizontalAdvance(box->title()) + 2 * 7 + 4 > box->width())
        problems << Describe(box, box->title());
    } else if (auto* table = qobject_cast<QTableWidget*>(widget)) {
      for (int row = 0; row < table->rowCount(); ++row)
        for (int col = 0; col < table->columnCount(); ++col) {
          const QTableWidgetItem* item = table->item(row, col);
          if (item == nullptr) continue;
          if (metrics.horizontalAdvance(item->text()) + ItemTextMargins(table) >
                  table->columnWidth(col) - 1 ||
              metrics.height() > table->rowHeight(row) - 1)
            problems << Describe(table, item->text());
        }
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
      const int room = list->viewport()->width() - ItemTextMargins(list);
      for (int row = 0; row < list->count(); ++row)
        if (metrics.horizontalAdvance(list->item(row)->text()) > room)
          problems << Describe(list, list->item(row)->text());
    }
  }
  return problems;
}

// A modal window the program opens by itself, checked while it is open.
void CheckWhenModal(QStringList& problems) {
  WhenModal([&problems](QWidget* modal) {
    ASSERT_NE(modal, nullptr);
    problems << Clipped(modal);
    modal->close();
  });
}

class FitTest : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    const QLocale locale(QString::fromLatin1(GetParam()));
    // English is the texts in the code; every other language has a catalogue.
    ASSERT_EQ(translators_.Install(locale), locale.language() != QLocale::English);
  }
  Translators translators_{*qApp};
};

TEST_P(FitTest, EveryTextFitsItsPlace) {
  Program program;
  QStringList problems;

  // The toolbar, with both captions of the two buttons that change them.
  problems << Clipped(&program.window);
  program.window.SetCaption(brelvox::CaptionOf::PauseButton, "Play");
  program.window.SetCaption(brelvox::CaptionOf::SoundButton, "Sound");
  problems << Clipped(&program.window);

  // The level chooser with each level's description.
  TLevelChoose levels;
  levels.show();
  for (int level = 0; level < brelvox::kLevelCount; ++level) {
    uitest::PickLevel(&levels, level);
    problems << Clipped(&levels);
  }
  levels.hide();

  // The info dialog unfolded, so the help list shows too.
  TInfo info{program.window.Logic(), [] {}};
  info.show();
  Child<QPushButton>(&info, "HowButton")->click();
  problems << Clipped(&info);
  info.hide();

  THighscore scores{program.window.Logic()};
  scores.show();
  problems << Clipped(&scores);
  scores.hide();

  CheckWhenModal(problems);
  program.window.AskName();
  CheckWhenModal(problems);
  program.window.ShowMessage("Error", brelvox::kScoreWriteError, brelvox::MessageIcon::Error);
  CheckWhenModal(problems);
  program.window.ShowMessage("Too many hints...",
                             "Too many unjustified hints!\rYou can go on playing, but you will "
                             "not appear in the highscore.",
                             brelvox::MessageIcon::None);

  EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, FitTest,
                         ::testing::Values("en_US", "de_DE", "es_ES", "fr_FR", "it_IT", "nl_NL",
                                           "pl_PL", "pt_BR", "ru_RU"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace

namespace {

// The score file never depends on the language: only the default entry's
// name is shown translated, and a name the player typed stays as typed.
TEST(LanguageTest, ScoresShowTranslatedButStayEnglishInTheFile) {
  Translators translators(*qApp);
  ASSERT_TRUE(translators.Install(QLocale(QStringLiteral("de_DE"))));
  Program program;
  THighscore scores{program.window.Logic()};
  auto* table = Child<QTableWidget>(&scores, "Table");
  EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("Leicht"));
  EXPECT_EQ(table->item(1, 0)->text(), QStringLiteral("99:59 – Niemand"));

  // A player who types the default name keeps it as typed.
  QStringList shown;
  WhenModal([&shown](QWidget* prompt) {
    auto* dialog = qobject_cast<QInputDialog*>(prompt);
    ASSERT_NE(dialog, nullptr);
    dialog->setTextValue(QStringLiteral("Nobody"));
    WhenModal([&shown](QWidget* scores) {
      auto* grid = Child<QTableWidget>(scores, "Table");
      shown << grid->item(1, 0)->text() << grid->item(2, 0)->text();
      scores->close();
    });
    dialog->accept();
  });
  program.window.Logic().SubmitScore(0, 61);
  translators.Remove();
  EXPECT_EQ(shown,
            QStringList({QStringLiteral("1:1 – Nobody"), QStringLiteral("99:59 – Niemand")}));

  QFile file(program.dir.filePath(QStringLiteral("Brelvox.hi")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray saved = file.readAll();
  EXPECT_TRUE(saved.startsWith("Nobody\r\n61\r\nNobody\r\n5999\r\n")) << saved.left(40).data();
  EXPECT_FALSE(saved.contains("Niemand"));
}

// Counts the screen reader hears follow each language's plural forms, and
// English keeps its one second.
TEST(LanguageTest, SpokenCountsAgreeWithTheirNumber) {
  Narrator::Moment playing;
  playing.cells.assign(64, brelvox::cellCovered);
  playing.cols = 8;
  playing.hintsLeft = 3;
  const auto won = [&playing](int seconds) {
    Narrator::Moment now = playing;
    now.over = now.won = true;
    now.seconds = seconds;
    return Narrator::Difference(playing, now);
  };
  EXPECT_EQ(won(1), QStringLiteral("You won in 1 second"));
  EXPECT_EQ(won(0), QStringLiteral("You won in 0 seconds"));

  Translators translators(*qApp);
  ASSERT_TRUE(translators.Install(QLocale(QStringLiteral("ru_RU"))));
  QStringList heard;
  for (int seconds : {1, 21, 22, 25, 111}) heard << won(seconds);
  EXPECT_EQ(heard.join(QLatin1Char('|')),
            QStringLiteral("Вы выиграли за 1 секунду|Вы выиграли за 21 секунду|"
                           "Вы выиграли за 22 секунды|Вы выиграли за 25 секунд|"
                           "Вы выиграли за 111 секунд"));

  ASSERT_TRUE(translators.Install(QLocale(QStringLiteral("pl_PL"))));
  Narrator::Moment flood = playing;
  const auto uncover = [&](int count) {
    for (int i = 0; i < count; ++i) flood.cells[i] = 0;
    return Narrator::Difference(playing, flood);
  };
  EXPECT_EQ(uncover(22), QStringLiteral("wiersz 1, kolumna 1: puste, odkryto 22 pola"));
  flood.hintsLeft = 0;
  EXPECT_EQ(uncover(25),
            QStringLiteral("wiersz 1, kolumna 1: puste, odkryto 25 pól. Pozostało 0 wskazówek"));
}

// A "C" messages locale means English, whatever LANGUAGE asks for.
TEST(LanguageTest, PlainCLocaleStaysEnglish) {
  const QByteArray language = qgetenv("LANGUAGE");
  const QByteArray all = qgetenv("LC_ALL");
  qputenv("LANGUAGE", "de:fr");
  qputenv("LC_ALL", "C.UTF-8");
  EXPECT_EQ(MessagesLocale(), QLocale::c());
  EXPECT_FALSE(Translators(*qApp).Install(MessagesLocale()));
  qputenv("LANGUAGE", language);
  if (all.isNull())
    qunsetenv("LC_ALL");
  else
    qputenv("LC_ALL", all);
}

}  // namespace
