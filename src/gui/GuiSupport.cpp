#include "gui/GuiSupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QWidget>

namespace velora::gui {
namespace {

std::function<void(const QString&)>& ProblemRecorder() {
  static std::function<void(const QString&)> recorder;
  return recorder;
}

}  // namespace

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToUtf8(const QString& text) {
  return text.toStdString();
}

QLabel* PlaceLabel(QWidget* parent, const char* objectName, const QString& text, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(objectName);
  label->move(x, y);
  label->adjustSize();
  return label;
}

void ReportProblem(QWidget* parent, const QString& title, const QString& text) {
  if (ProblemRecorder()) {
    ProblemRecorder()(text);
    return;
  }
  QMessageBox::warning(parent, title, text);
}

void SetProblemRecorder(std::function<void(const QString&)> recorder) {
  ProblemRecorder() = std::move(recorder);
}

void MarkFieldProblem(QLineEdit* edit, const QString& problem) {
  if (problem.isEmpty()) {
    edit->setStyleSheet(QString());
    edit->setToolTip(QString());
  } else {
    edit->setStyleSheet("QLineEdit { border: 2px solid #d00000; background: #ffe4e4; }");
    edit->setToolTip(problem);
  }
}

}  // namespace velora::gui
