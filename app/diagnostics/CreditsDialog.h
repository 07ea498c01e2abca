// TF_Credits: our thanks to the people whose photos make the sample jigsaws and to the free
// libraries the game is built on.
#pragma once

#include <QDialog>

#include "settings/Translation.h"

namespace kirvo {

class CreditsDialog : public QDialog {
    Q_OBJECT

public:
    explicit CreditsDialog(const Translator& translator, QWidget* parent = nullptr);
};

}  // namespace kirvo
