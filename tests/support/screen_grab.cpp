// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a picture of the whole X display, for a person to look at what the program shows while a
// script drives it, or of one part of it (a window with its frame). Not a test.
//   screen_grab OUTPUT.png [X Y WIDTH HEIGHT]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 6) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [X Y WIDTH HEIGHT]\n", argv[0]);
        return 2;
    }
    int area[4] = {0, 0, -1, -1};
    for (int i = 0; argc == 6 && i < 4; ++i)
        area[i] = std::atoi(argv[2 + i]);
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, area[0], area[1], area[2], area[3]);
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "could not save %s\n", argv[1]);
        return 1;
    }
    return 0;
}
