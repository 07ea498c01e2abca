#include "base/Result.h"
#include "files/Entry.h"
#include "playfield/Field.h"
#include <QImage>
#include "shell/MainWindow.h"
#include "../playfield/Field.h"
#include <vector>
