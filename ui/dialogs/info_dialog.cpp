// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/info_dialog.h"

#include <QFrame>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QStyle>

#include "app/main_window_logic.h"
#include "widgets/command_table.h"
#include "widgets/control_font.h"
#include "widgets/glyph_button.h"
#include "widgets/logic_text.h"
#include "widgets/named.h"

namespace brelvox::ui {

void InfoPicture::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (rect().contains(event->position().toPoint())) emit MouseUp();
}

void InfoPicture::SetPicture(const QString& assetName) {
  setPixmap(QPixmap::fromImage(sharp::LoadAsset(assetName, 1, QImage::Format_RGB32)));
  finer_ = sharp::ScaledAsset(assetName, QImage::Format_RGB32);
}

void InfoPicture::paintEvent(QPaintEvent* event) {
  const qreal ratio = sharp::RatioOf(*this);
  const QImage* finer = ratio != 1 && finer_.IsSet() ? &finer_.For(ratio) : nullptr;
  if (!finer || finer->isNull()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  const QRect logical(QPoint(0, 0), finer->deviceIndependentSize().toSize());
  sharp::Draw(painter, logical, *finer, logical);
}

namespace {

// The help list by paragraphs, each wrapped by hand to the width of the
// list; an empty line goes between paragraphs. A translated line too wide
// for the list is wrapped when the list is filled.
const char* const kHelpParagraphs[] = {
    QT_TRANSLATE_NOOP("brelvox::ui::TInfo", "How to play Brelvox"),
    QT_TRANSLATE_NOOP("brelvox::ui::TInfo",
                      "(Scroll down with the bar on the right\n"
                      "to read on: the rules come first, then\n"
                      "what makes this game different.)"),
    QT_TRANSLATE_NOOP("brelvox::ui::TInfo",
                      "First, select a level by pressing \"New\".\n"
                      "Select your preferred display size,\n"
                      "according to your screen resulution,\n"
                      "using the little red arrow buttons."),
    QT_TRANSLATE_NOOP("brelvox::ui::TInfo",
                      "To uncover a field, use the left mouse\n"
                      "button, to mark a field you consider to\n"
                      "be a mine use the right button. If you\n"
                      "uncover a mine you have lost."),
    QT_TRANSLATE_NOOP("brelvox::ui::TInfo",
                      "Any uncovered field containing no mine\n"
                      "shows a number according to the\n"
                      "number of mines next to this field, while\n"
                      "also the diagonal fields are called\n"
                      "\"next\". The maximum number shown is\n"
                      "therefore 8."),
    QT_TRANSLATE_NOOP("brelvox::ui::TInfo",
                      "Sometimes the numbers do not tell you\n"
                      "enough, and you would have to guess.\n"
                      "This is where Brelvox helps you:"),
    QT_TRANSLATE_NOOP("brelvox::ui::TInfo",
                      "At any constellation, if you can't go on\n"
                      "beause you can only guess which field\n"
                      "to click at, press the \"Hint\" button. The\n"
                      "program will check if you missed a field\n"
                      "where you could have done a \"safe\"\n"
                      "click and does this click for you. The\n"
                      "counter next to the \"Hint\" button\n"
                      "decreases. In case you were right and\n"
                      "a \"safe\" click really was not possible,\n"
                      "the program does a click for you which\n"
                      "gives you the opportunity to go on\n"
                      "playing. In this case, the hint counter is\n"
                      "not decremented."),
    QT_TRANSLATE_NOOP("brelvox::ui::TInfo",
                      "With this feature, guessing is not\n"
                      "necessary, and you can do real\n"
                      "contests in playing Brelvox."),
    // %n: the keys of the n-th command of the command table.
    QT_TRANSLATE_NOOP("brelvox::ui::TInfo",
                      "Keys: %1 New, %2 to pause,\n"
                      "%3 Hint, %4 Sound or Silent, %5 Info,\n"
                      "%6 and %7 bigger and\n"
                      "smaller cells, %8 closes the game.\n"
                      "The arrow keys move a frame over the\n"
                      "board; %13 and %14 go to the first and\n"
                      "last column, %15 and %16 to the\n"
                      "first and last row. %17\n"
                      "uncovers the framed field, %18\n"
                      "marks it, %19 uncovers the fields\n"
                      "around it. In a window like this one,\n"
                      "Tab moves between the buttons, Enter\n"
                      "or Space presses, Escape is Back."),
    QT_TRANSLATE_NOOP("brelvox::ui::TInfo",
                      "Your display sizes and best times are\n"
                      "kept in Brelvox.ini and Brelvox.hi.\n"
                      "Comments are welcome through the\n"
                      "issue tracker of the Brelvox project.\n"
                      "Have fun! The Brelvox developers, 2026"),
};

// `line` broken at blanks into lines no wider than `room`; a word wider
// than that stays whole.
QStringList WrapToWidth(const QString& line, const QFontMetrics& metrics, int room) {
  if (metrics.horizontalAdvance(line) <= room) return {line};
  QStringList lines;
  QString current;
  for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QString longer = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
    if (!current.isEmpty() && metrics.horizontalAdvance(longer) > room) {
      lines << current;
      current = word;
    } else {
      current = longer;
    }
  }
  if (!current.isEmpty()) lines << current;
  return lines;
}

// `text` with each %n replaced by the keys of the n-th command.
QString WithKeyNames(QString text) {
  for (int n = kCommandCount; n >= 1; --n) {
    const QString names = KeyNames(static_cast<Command>(n - 1), QStringLiteral("/"));
    text.replace(QLatin1Char('%') + QString::number(n), names);
  }
  return text;
}

}  // namespace

QStringList TInfo::HelpText() {
  QStringList lines;
  for (const char* paragraph : kHelpParagraphs) {
    if (!lines.isEmpty()) lines << QString();
    lines << WithKeyNames(tr(paragraph)).split(QLatin1Char('\n'));
  }
  return lines;
}

TInfo::TInfo(brelvox::MainWindowLogic& logic, std::function<void()> showScores, QWidget* parent)
    : QDialog(parent), logic_(logic), showScores_(std::move(showScores)) {
  setObjectName(QStringLiteral("Info"));
  setWindowTitle(tr("Info"));
  setFont(ControlFont());
  setFixedSize(kClientWidth, kFoldedHeight);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  CreatePictureAndTexts();
  CreateButtons();
  CreateHelpList();
}

void TInfo::CreatePictureAndTexts() {
  Bevel1 = Named(new QFrame(this), "Bevel1");
  Bevel1->setGeometry(14, 25, 97, 117);
  Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Bevel1->setLineWidth(1);
  Image1 = Named(new InfoPicture(this), "Image1");
  Image1->setGeometry(15, 26, 95, 115);
  Image1->SetPicture(QStringLiteral("info_picture"));
  connect(Image1, &InfoPicture::MouseUp, this, [this] { logic_.PlayWinCue(); });

  Label1 = Named(new QLabel(QStringLiteral("Brelvox"), this), "Label1");
  QFont title(QStringLiteral("Arial"));
  title.setPixelSize(33);
  Label1->setFont(title);
  Label1->setGeometry(120, 16, 131, 38);
  QPalette black = Label1->palette();
  black.setColor(QPalette::WindowText, Qt::black);
  Label1->setPalette(black);

  Version = Named(new QLabel(this), "Version");
  Version->setGeometry(264, 34, 35, 16);
  Label2 = Named(new QLabel(tr("The Brelvox developers, 2026"), this), "Label2");
  Label2->setGeometry(120, 56, 201, 25);  // as wide as the note below
  Label3 = Named(new QLabel(tr("Have fun with Brelvox! Comments and ideas are always "
                               "welcome: please send them to us."),
                            this),
                 "Label3");
  Label3->setGeometry(120, 80, 201, 65);
  Label3->setWordWrap(true);
  Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label5 = Named(new QLabel(tr("Write to the Brelvox project's issue tracker."), this), "Label5");
  Label5->setGeometry(120, 152, 169, 41);
  Label5->setWordWrap(true);
  Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TInfo::CreateButtons() {
  BackButton = Named(new GlyphButton(QStringLiteral("glyph_back"), tr("Back"), this), "BackButton");
  BackButton->setGeometry(15, 202, 73, 33);
  BackButton->TakeTabFocus();
  connect(BackButton, &QPushButton::clicked, this, [this] { BackButtonClick(); });
  HowButton =
      Named(new GlyphButton(QStringLiteral("glyph_howto"), tr("Howto..."), this), "HowButton");
  HowButton->setGeometry(128, 202, 73, 33);
  HowButton->TakeTabFocus();
  connect(HowButton, &QPushButton::clicked, this, [this] { HowButtonClick(); });
  ScoresButton =
      Named(new GlyphButton(QStringLiteral("glyph_scores"), tr("Scores"), this), "ScoresButton");
  ScoresButton->setGeometry(240, 202, 73, 33);
  ScoresButton->TakeTabFocus();
  connect(ScoresButton, &QPushButton::clicked, this, [this] { ScoresButtonClick(); });
  // A longer translated caption may take part of the gaps between them. The
  // English "Howto..." fills its button edge to edge as the layout draws it,
  // and keeps that size.
  for (GlyphButton* button : {BackButton, HowButton, ScoresButton}) {
    if (button == HowButton && button->text() == QLatin1String("Howto...")) continue;
    button->WidenToFitCaption(100);
  }
}

void TInfo::CreateHelpList() {
  ListBox1 = Named(new QListWidget(this), "ListBox1");
  ListBox1->setGeometry(14, 248, 303, 193);
  // A plain bold 13-pixel sans serif whose letters are narrow enough for
  // the hand-wrapped lines: Arial, or the face of Arial's widths that Linux
  // systems ship. Lines still too wide in another face are wrapped below.
  QFont bold = ControlFont();
  bold.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  bold.setBold(true);
  ListBox1->setFont(bold);
  ListBox1->setTextElideMode(Qt::ElideNone);
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  ListBox1->setFocusPolicy(Qt::NoFocus);
  ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ListBox1->setUniformItemSizes(true);
  const QFontMetrics metrics(bold);
  const int room = HelpRoom();
  for (const QString& line : HelpText()) {
    for (const QString& row : WrapToWidth(line, metrics, room)) {
      auto* item = new QListWidgetItem(row, ListBox1);
      item->setSizeHint(QSize(0, 16));
    }
  }
}

int TInfo::HelpRoom() const {
  // The list's inside less its scroll bar and the margins of an item's text.
  const QStyle* style = ListBox1->style();
  const int textMargin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, ListBox1) + 1;
  return ListBox1->width() - 2 * ListBox1->frameWidth() -
         style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ListBox1) - 2 * textMargin;
}

void TInfo::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

void TInfo::keyPressEvent(QKeyEvent* event) {
  QScrollBar* bar = ListBox1->verticalScrollBar();
  QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
  switch (event->key()) {
    case Qt::Key_Up:
      action = QAbstractSlider::SliderSingleStepSub;
      break;
    case Qt::Key_Down:
      action = QAbstractSlider::SliderSingleStepAdd;
      break;
    case Qt::Key_PageUp:
      action = QAbstractSlider::SliderPageStepSub;
      break;
    case Qt::Key_PageDown:
      action = QAbstractSlider::SliderPageStepAdd;
      break;
    case Qt::Key_Home:
      action = QAbstractSlider::SliderToMinimum;
      break;
    case Qt::Key_End:
      action = QAbstractSlider::SliderToMaximum;
      break;
    default:
      break;
  }
  if (action == QAbstractSlider::SliderNoAction || HowButton->isEnabled()) {
    QDialog::keyPressEvent(event);  // folded: the help is not there to scroll
    return;
  }
  bar->triggerAction(action);
}

void TInfo::FormActivate() {
  setFixedHeight(kFoldedHeight);
  HowButton->setEnabled(true);
  BackButton->setFocus();  // each opening starts on Back, as the first one does
  Version->setText(tr("Ver. %1").arg(QStringLiteral(BRELVOX_SHORT_VERSION)));
  Version->adjustSize();
}

void TInfo::BackButtonClick() {
  close();
  setFixedHeight(kFoldedHeight);
}

void TInfo::HowButtonClick() {
  setFixedHeight(kUnfoldedHeight);
  HowButton->setEnabled(false);
  ListBox1->scrollToTop();
}

void TInfo::ScoresButtonClick() {
  showScores_();
}

}  // namespace brelvox::ui
