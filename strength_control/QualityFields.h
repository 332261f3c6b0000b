#pragma once
// What the CUSUM and conformity dialogs share: their number fields and strength lists, read
// as the control chart reads its fields (a text that is no number shows the error box).
#include <QString>
#include <optional>
#include <vector>

#include "common/HelpTopic.h"

class QFormLayout;
class QLineEdit;
class QPlainTextEdit;
class QVBoxLayout;
class QWidget;

// The dialogs' help topic, and their least width (the whole caption in the title bar), pixels.
inline constexpr int kQualityHelpContext = orvan::kHelpQualityControl;
inline constexpr int kQualityDialogMinimumWidth = 480;

// A labelled line field added to `form`.
QLineEdit* addQualityField(QWidget* owner, QFormLayout* form, const char* name,
                           const QString& caption, const QString& initial = {});
// A labelled list of strengths, one or more a line, added to `layout`; it takes the height left.
QPlainTextEdit* addQualityList(QWidget* owner, QVBoxLayout* layout, const char* name,
                               const QString& caption);

// A field's number; empty (with the error box shown) when its text is none.
std::optional<double> readQualityNumber(QWidget* parent, const QLineEdit* field);
// The list's strengths; empty (with the error box shown) when one of them is no number.
std::optional<std::vector<double>> readQualityList(QWidget* parent, const QPlainTextEdit* field);
