// TF_Credits: our thanks to the people whose photos make the sample jigsaws and to the free
// libraries the game is built on.
#pragma once

#include <QDialog>

namespace kirvo {

class CreditsDialog : public QDialog {
    Q_OBJECT

public:
    explicit CreditsDialog(QWidget* parent = nullptr);
};

}  // namespace kirvo
