// TF_Finish: the congratulations when the puzzle is solved, asking whether to save the solved
// picture. exec() gives QDialog::Accepted for Save and QDialog::Rejected for Cancel or Escape.
#pragma once

#include <QDialog>

#include "settings/Translation.h"

namespace kirvo {

class FinishDialog : public QDialog {
    Q_OBJECT

public:
    explicit FinishDialog(const Translator& translator, QWidget* parent = nullptr);

    // Adds the line of the time the puzzle took below the congratulations.
    void ShowTime(const QString& text);
};

}  // namespace kirvo
