// The soak through the real window on Qt's offscreen platform (unless QT_QPA_PLATFORM names
// another). Usage: varnok_soak_window [runs] [--leaks-only], as soak_program.hpp describes.
// One message in ten goes through the real modal message box; one run in 50 is typed key by key.
#include <QApplication>
#include <cstdio>

#include "soak_program.hpp"
#include "window_subject.hpp"

namespace {

QtMessageHandler qtHandler = nullptr;

// The offscreen platform warns each time a message box asks it to resize to its contents, which
// it cannot do; thousands of those lines would hide anything else Qt says.
void withoutSizeHintWarnings(QtMsgType type, const QMessageLogContext& context,
                             const QString& text) {
  if (!text.contains(QLatin1String("does not support propagateSizeHints"))) {
    qtHandler(type, context, text);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  qtHandler = qInstallMessageHandler(withoutSizeHintWarnings);
  QApplication app(argc, argv);
  varnok::soak::WindowSubject subject(10, 50);
  const int status = varnok::soak::runSoakProgram(subject, argc, argv);
  std::printf("messages dismissed in the real message box %d\n", subject.realBoxes());
  return status;
}
