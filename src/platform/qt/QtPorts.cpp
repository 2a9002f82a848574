#include "platform/qt/QtPorts.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

#include "platform/Numbers.h"

namespace cardoria {

namespace {

const char* const kProductTitle = "Cardoria 2000";

void PrintNotice(const char* kind, const std::string& text) {
  std::fprintf(stderr, "cardoria: %s: %s\n", kind, DisplayText(text).toLocal8Bit().constData());
}

}  // namespace

QString DisplayText(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

bool IsInteractivePlatform() {
  const QString name = QGuiApplication::platformName();
  return name != QLatin1String("offscreen") && name != QLatin1String("minimal");
}

void QtMessages::ShowInfo(const std::string& text, const std::string& caption) {
  if (!IsInteractivePlatform()) return PrintNotice("notice", text);
  QMessageBox::information(parent_, caption.empty() ? kProductTitle : QString::fromStdString(caption),
                           DisplayText(text));
}

bool QtMessages::Confirm(const std::string& text) {
  if (!IsInteractivePlatform()) return PrintNotice("question (OK)", text), true;
  return QMessageBox::question(parent_, kProductTitle, DisplayText(text), QMessageBox::Ok | QMessageBox::Cancel,
                               QMessageBox::Ok) != QMessageBox::Cancel;
}

bool QtMessages::AskYesNo(const std::string& text) {
  if (!IsInteractivePlatform()) return PrintNotice("question (Yes)", text), true;
  return QMessageBox::question(parent_, kProductTitle, DisplayText(text), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

bool QtMessages::ShowInfoOnce(const std::string& text) {
  if (!IsInteractivePlatform()) return PrintNotice("notice", text), false;
  QMessageBox box(QMessageBox::Information, kProductTitle, DisplayText(text), QMessageBox::Ok, parent_);
  auto* check = new QCheckBox(QStringLiteral("&Don't show this message box again"));
  box.setCheckBox(check);
  box.exec();
  return check->isChecked();
}

void QtMessages::Fatal(const std::string& text, const std::string& caption) {
  if (IsInteractivePlatform()) {
    QMessageBox::critical(parent_, caption.empty() ? kProductTitle : QString::fromStdString(caption),
                          DisplayText(text));
  } else {
    PrintNotice("error", text);
  }
  std::fflush(stderr);
  // Nothing may be saved on the way out: no destructors, no exit handlers.
  std::_Exit(EXIT_FAILURE);
}

ScreenInfo QtScreen::Info() const {
  ScreenInfo info;
  if (const char* pretend = std::getenv("CARDORIA_SCREEN"); pretend && *pretend) {
    const QStringList parts = QString::fromLocal8Bit(pretend).split(QLatin1Char('x'));
    if (parts.size() == 3) {
      info.width = LenientInt(parts[0].toStdString(), info.width);
      info.height = LenientInt(parts[1].toStdString(), info.height);
      info.colorDepth = LenientInt(parts[2].toStdString(), info.colorDepth);
      return info;
    }
  }
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    info.width = screen->size().width();
    info.height = screen->size().height();
    info.colorDepth = screen->depth();
  }
  return info;
}

void QtEventPump::ProcessPendingEvents() { QApplication::processEvents(); }

}  // namespace cardoria
