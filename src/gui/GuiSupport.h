#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QLabel;
class QLineEdit;
class QWidget;

namespace velora::gui {

// UTF-8 text of the core as Qt text, and back.
QString FromUtf8(std::string_view text);
std::string ToUtf8(const QString& text);

// The tooltip of a button whose computation is not in this version yet.
inline constexpr const char* kLaterVersionTip = "Расчёт появится в следующей версии";

// A label with an objectName, placed at (x, y) in its parent and sized to its text.
QLabel* PlaceLabel(QWidget* parent, const char* objectName, const QString& text, int x, int y);

// Shows a warning box with the window's title; while a recorder is installed (tests), the text
// goes to the recorder instead and nothing blocks.
void ReportProblem(QWidget* parent, const QString& title, const QString& text);
void SetProblemRecorder(std::function<void(const QString&)> recorder);

// Marks a line edit as holding an invalid value (red frame and tint) with a tooltip saying why,
// or clears the mark when `problem` is empty.
void MarkFieldProblem(QLineEdit* edit, const QString& problem);

}  // namespace velora::gui
