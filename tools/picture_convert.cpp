// vantrel-picture: a build tool that turns a picture drawn from SVG (PNG) into the file format
// its target name asks for (the toolbar's JPEGs, the strips' bitmaps), which the SVG renderer
// cannot write itself.
//
// usage: vantrel-picture IN.png OUT.(jpg|bmp|png)

#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QTextStream err(stderr);
    if (args.size() != 3) {
        err << "usage: vantrel-picture IN.png OUT.(jpg|bmp|png)\n";
        return 2;
    }
    const QImage picture(args[1]);
    if (picture.isNull()) {
        err << "vantrel-picture: cannot read " << args[1] << "\n";
        return 1;
    }
    QImageWriter writer(args[2]);
    writer.setQuality(92);
    // JPEG and BMP hold no transparency: their pictures are drawn opaque on their strip's
    // colours. A PNG (the logo) keeps its transparency.
    const bool keepsAlpha = args[2].endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
    if (!writer.write(keepsAlpha ? picture : picture.convertToFormat(QImage::Format_RGB32))) {
        err << "vantrel-picture: cannot write " << args[2] << ": " << writer.errorString() << "\n";
        return 1;
    }
    return 0;
}
