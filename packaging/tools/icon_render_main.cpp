// velmaris-render-icon IN.svg SIZE OUT.png: the icon as a SIZE x SIZE PNG.
#include <QFile>

#include <iostream>

#include "icon_render.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: velmaris-render-icon IN.svg SIZE OUT.png\n";
        return 2;
    }
    bool sizeOk = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&sizeOk);
    if (!sizeOk) {
        std::cerr << argv[2] << ": not a size\n";
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    QString error;
    const QImage image = velmaris::packaging::RenderIcon(in.readAll(), size, &error);
    if (image.isNull()) {
        std::cerr << argv[1] << ": " << error.toStdString() << "\n";
        return 1;
    }
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::cerr << argv[3] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
