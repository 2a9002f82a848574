#include "app/HelpWindow.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Preferences.h"
#include "core/HelpTopics.h"
#include "core/Session.h"

namespace cardoria {

namespace {

constexpr int kDefaultWidth = 660;
constexpr int kDefaultHeight = 580;

QString MissingPage(const QString& file, const std::string& path) {
  return QStringLiteral(
             "<html><body style=\"font-family: sans-serif\"><h1 style=\"color: #8a1c1c\">Help page not found</h1>"
             "<p>The help page <b>%1</b> is not installed: %2 does not exist.</p>"
             "<p>Reinstall the program to restore its help.</p>"
             "<p><a href=\"%3\">Contents</a></p></body></html>")
      .arg(file.toHtmlEscaped(), QString::fromStdString(path).toHtmlEscaped(),
           QString::fromStdString(HelpPageFile(kHelpContents)));
}

}  // namespace

HelpBrowser::HelpBrowser(Session& session, QWidget* parent) : QTextBrowser(parent), session_(session) {
  setObjectName(QStringLiteral("brwHelp"));
  setOpenExternalLinks(false);
  document()->setDocumentMargin(12);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  if (type != QTextDocument::HtmlResource) return QTextBrowser::loadResource(type, name);
  // Only the file name counts: every page lives in the one help folder.
  const QString file = name.path().section(QLatin1Char('/'), -1);
  const std::string path = session_.PathOf(std::string(kHelpFolder) + "/" + file.toStdString());
  QFile page(QString::fromStdString(path));
  if (file.isEmpty() || !page.open(QIODevice::ReadOnly)) return MissingPage(file, path);
  return QString::fromUtf8(page.readAll());
}

HelpWindow::HelpWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), browser_(new HelpBrowser(session, this)) {
  setObjectName(QStringLiteral("frmHelp"));
  setWindowTitle(QStringLiteral("%1 Help").arg(QLatin1String(kProductName)));
  auto button = [this](const char* name, const QString& caption, QStyle::StandardPixmap icon) {
    auto* b = new QToolButton(this);
    b->setObjectName(QLatin1String(name));
    b->setText(caption);
    b->setIcon(style()->standardIcon(icon));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    return b;
  };
  back_ = button("btnBack", QStringLiteral("&Back"), QStyle::SP_ArrowBack);
  forward_ = button("btnForward", QStringLiteral("&Forward"), QStyle::SP_ArrowForward);
  QToolButton* contents = button("btnContents", QStringLiteral("&Contents"), QStyle::SP_DirHomeIcon);
  back_->setEnabled(false);
  forward_->setEnabled(false);
  connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(contents, &QToolButton::clicked, this, [this] { ShowTopic(kHelpContents); });
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("%1 Help").arg(QLatin1String(kProductName))
                                   : QStringLiteral("%1 - %2 Help").arg(title, QLatin1String(kProductName)));
  });

  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);

  auto* bar = new QHBoxLayout;
  bar->setContentsMargins(4, 4, 4, 0);
  bar->addWidget(back_);
  bar->addWidget(forward_);
  bar->addWidget(contents);
  bar->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addLayout(bar);
  layout->addWidget(browser_);

  storeSize_ = new QTimer(this);
  storeSize_->setSingleShot(true);
  storeSize_->setInterval(400);
  connect(storeSize_, &QTimer::timeout, this, &HelpWindow::StoreSize);

  const int width = session.settings.ReadInt(kPreferenceSection, kHelpWidthKey, kDefaultWidth);
  const int height = session.settings.ReadInt(kPreferenceSection, kHelpHeightKey, kDefaultHeight);
  // A stored size too small to read in is not worth keeping.
  resize(width >= 200 ? width : kDefaultWidth, height >= 150 ? height : kDefaultHeight);
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::resizeEvent(QResizeEvent* event) {
  // Kept a moment after the last step of a resize, not at every step.
  if (isVisible()) storeSize_->start();
  QWidget::resizeEvent(event);
}

void HelpWindow::ShowTopic(int context) {
  browser_->setSource(QUrl(QString::fromStdString(HelpPageFile(context))));
  show();
  raise();
  activateWindow();
}

void HelpWindow::hideEvent(QHideEvent* event) {
  storeSize_->stop();
  StoreSize();
  QWidget::hideEvent(event);
}

void HelpWindow::StoreSize() {
  const int width = size().width(), height = size().height();
  IniProfile& settings = session_.settings;
  if (settings.ReadInt(kPreferenceSection, kHelpWidthKey, -1) == width &&
      settings.ReadInt(kPreferenceSection, kHelpHeightKey, -1) == height)
    return;
  settings.WriteStrings(kPreferenceSection,
                        {{kHelpWidthKey, std::to_string(width)}, {kHelpHeightKey, std::to_string(height)}});
}

void ShowAboutBox(QWidget* parent, Session& session) {
  QDialog box(parent);
  box.setObjectName(QStringLiteral("frmAbout"));
  box.setWindowTitle(QStringLiteral("About %1").arg(QLatin1String(kProductName)));
  auto* text =
      new QLabel(QStringLiteral("<p style=\"font-size: 16pt; color: #1d5e2c\"><b>%1</b></p>"
                                "<p>Patience games, version 4.4</p><p>%2 games to play, and as many of your own as you "
                                "derive from them.</p><p>Press F1 in any game for its rules.</p>")
                     .arg(QLatin1String(kProductName))
                     .arg(session.catalogue.size()),
                 &box);
  text->setObjectName(QStringLiteral("lblAbout"));
  text->setWordWrap(true);
  auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
  QObject::connect(ok, &QDialogButtonBox::accepted, &box, &QDialog::accept);
  auto* layout = new QVBoxLayout(&box);
  layout->addWidget(text);
  layout->addWidget(ok);
  box.setFixedWidth(340);
  box.exec();
}

void ShowHelpTopic(QWidget* parent, Session& session, int context) {
  QWidget* owner = parent ? parent->window() : nullptr;
  HelpWindow* window = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* help = dynamic_cast<HelpWindow*>(widget);
    if (!help) continue;
    // A window of another session (a test's, long gone) must not be reused.
    if (&help->SessionOf() == &session)
      window = help;
    else
      delete help;
  }
  if (window && window->parentWidget() != owner && owner != window) {
    // A modal dialog blocks every window but its own: the help it asks for
    // must belong to it.
    window->setParent(owner, Qt::Window);
  }
  if (!window) window = new HelpWindow(session, owner);
  window->ShowTopic(context);
}

}  // namespace cardoria
