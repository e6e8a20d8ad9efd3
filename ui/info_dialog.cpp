#include "info_dialog.h"

#include <QFrame>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "app/main_window_logic.h"
#include "glyph_button.h"
#include "highscore_window.h"
#include "named.h"
#include "ui_fonts.h"

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

QStringList TInfo::HelpText() {
  // Wrapped by hand to the width of the list; an empty line ends a paragraph.
  return {
      QStringLiteral("How to play Brelvox"),
      QString(),
      QStringLiteral("(Scroll down with the bar on the right"),
      QStringLiteral("to read on: the rules come first, then"),
      QStringLiteral("what makes this game different.)"),
      QString(),
      QStringLiteral("First, select a level by pressing \"New\"."),
      QStringLiteral("Select your preferred display size,"),
      QStringLiteral("according to your screen resulution,"),
      QStringLiteral("using the little red arrow buttons."),
      QString(),
      QStringLiteral("To uncover a field, use the left mouse"),
      QStringLiteral("button, to mark a field you consider to"),
      QStringLiteral("be a mine use the right button. If you"),
      QStringLiteral("uncover a mine you have lost."),
      QString(),
      QStringLiteral("Any uncovered field containing no mine"),
      QStringLiteral("shows a number according to the"),
      QStringLiteral("number of mines next to this field, while"),
      QStringLiteral("also the diagonal fields are called"),
      QStringLiteral("\"next\". The maximum number shown is"),
      QStringLiteral("therefore 8."),
      QString(),
      QStringLiteral("Sometimes the numbers do not tell you"),
      QStringLiteral("enough, and you would have to guess."),
      QStringLiteral("This is where Brelvox helps you:"),
      QString(),
      QStringLiteral("At any constellation, if you can't go on"),
      QStringLiteral("beause you can only guess which field"),
      QStringLiteral("to click at, press the \"Hint\" button. The"),
      QStringLiteral("program will check if you missed a field"),
      QStringLiteral("where you could have done a \"safe\""),
      QStringLiteral("click and does this click for you. The"),
      QStringLiteral("counter next to the \"Hint\" button"),
      QStringLiteral("decreases. In case you were right and"),
      QStringLiteral("a \"safe\" click really was not possible,"),
      QStringLiteral("the program does a click for you which"),
      QStringLiteral("gives you the opportunity to go on"),
      QStringLiteral("playing. In this case, the hint counter is"),
      QStringLiteral("not decremented."),
      QString(),
      QStringLiteral("With this feature, guessing is not"),
      QStringLiteral("necessary, and you can do real"),
      QStringLiteral("contests in playing Brelvox."),
      QString(),
      QStringLiteral("Keys: Ctrl+N New, P or Pause to pause,"),
      QStringLiteral("H Hint, S Sound or Silent, F1 Info,"),
      QStringLiteral("Ctrl+Plus and Ctrl+Minus bigger and"),
      QStringLiteral("smaller cells, Ctrl+Q closes the game."),
      QStringLiteral("The arrow keys move a frame over the"),
      QStringLiteral("board; Home and End go to the first and"),
      QStringLiteral("last column, Page Up and Page Down to"),
      QStringLiteral("the first and last row. Space or Enter"),
      QStringLiteral("uncovers the framed field, F or"),
      QStringLiteral("Ctrl+Space marks it, D uncovers the"),
      QStringLiteral("fields around it. In a window like this"),
      QStringLiteral("one, Tab moves between the buttons,"),
      QStringLiteral("Enter or Space presses, Escape is Back."),
      QString(),
      QStringLiteral("Your display sizes and best times are"),
      QStringLiteral("kept in Brelvox.ini and Brelvox.hi."),
      QStringLiteral("Comments are welcome through the"),
      QStringLiteral("issue tracker of the Brelvox project."),
      QStringLiteral("Have fun! The Brelvox developers, 2026"),
  };
}

TInfo::TInfo(brelvox::MainWindowLogic& logic, QWidget* parent) : QDialog(parent), logic_(logic) {
  setObjectName(QStringLiteral("Info"));
  setWindowTitle(QStringLiteral("Info"));
  setFont(ControlFont());
  setFixedSize(kClientWidth, kFoldedHeight);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);

  Bevel1 = Named(new QFrame(this), "Bevel1");
  Bevel1->setGeometry(14, 25, 97, 117);
  Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Bevel1->setLineWidth(1);
  Image1 = Named(new InfoPicture(this), "Image1");
  Image1->setGeometry(15, 26, 95, 115);
  Image1->SetPicture(QStringLiteral("info_picture"));
  connect(Image1, &InfoPicture::MouseUp, this, [this] { logic_.InfoPictureMouseUp(); });

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
  Label2 = Named(new QLabel(QStringLiteral("The Brelvox developers, 2026"), this), "Label2");
  Label2->setGeometry(120, 56, 193, 25);
  Label3 = Named(new QLabel(QStringLiteral("Have fun with Brelvox! Comments and ideas are always "
                                           "welcome: please send them to us."),
                            this),
                 "Label3");
  Label3->setGeometry(120, 80, 201, 65);
  Label3->setWordWrap(true);
  Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label5 = Named(new QLabel(QStringLiteral("Write to the Brelvox project's issue tracker."), this),
                 "Label5");
  Label5->setGeometry(120, 152, 169, 41);
  Label5->setWordWrap(true);
  Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  BackButton = Named(new GlyphButton(QStringLiteral("glyph_back"), QStringLiteral("Back"), this),
                     "BackButton");
  BackButton->setGeometry(15, 202, 73, 33);
  connect(BackButton, &QPushButton::clicked, this, [this] { BackButtonClick(); });
  HowButton =
      Named(new GlyphButton(QStringLiteral("glyph_howto"), QStringLiteral("Howto..."), this),
            "HowButton");
  HowButton->setGeometry(128, 202, 73, 33);
  connect(HowButton, &QPushButton::clicked, this, [this] { HowButtonClick(); });
  ScoresButton =
      Named(new GlyphButton(QStringLiteral("glyph_scores"), QStringLiteral("Scores"), this),
            "ScoresButton");
  ScoresButton->setGeometry(240, 202, 73, 33);
  connect(ScoresButton, &QPushButton::clicked, this, [this] { ScoresButtonClick(); });

  ListBox1 = Named(new QListWidget(this), "ListBox1");
  ListBox1->setGeometry(14, 248, 303, 193);
  QFont bold = ControlFont();
  bold.setBold(true);
  // Narrower letters, so that the hand-wrapped lines fit the list's width.
  bold.setStretch(QFont::SemiCondensed);
  ListBox1->setFont(bold);
  ListBox1->setTextElideMode(Qt::ElideNone);
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  ListBox1->setFocusPolicy(Qt::NoFocus);
  ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ListBox1->setUniformItemSizes(true);
  for (const QString& line : HelpText()) {
    auto* item = new QListWidgetItem(line, ListBox1);
    item->setSizeHint(QSize(0, 16));
  }
}

void TInfo::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

void TInfo::FormActivate() {
  setFixedHeight(kFoldedHeight);
  HowButton->setEnabled(true);
  Version->setText(QStringLiteral("Ver. 1.2"));
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
  if (!highscore_) return;
  highscore_->FillTable();
  highscore_->exec();
}
