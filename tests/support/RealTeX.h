#pragma once
// Running Debian's real TeX programs on Shift-JIS documents, for the tests
// that hold what the editor writes against pLaTeX itself, and picture files
// of every kind the figure command offers for the PDF road, each a filled
// rectangle of one colour.
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <string>

namespace realtex {

inline bool installed(const QStringList& programs)
{
    for (const QString& p : programs)
        if (!QFileInfo::exists(p)) return false;
    return true;
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// A one-page PDF, width by height points, filled with the colour, with a
// correct cross-reference table so that the driver reads it without repair.
inline QByteArray pdfPicture(const QColor& colour, int width = 100, int height = 50)
{
    const QByteArray size = QByteArray::number(width) + " " + QByteArray::number(height);
    const QByteArray content = QByteArray::number(colour.redF()) + " " + QByteArray::number(colour.greenF()) + " " +
                               QByteArray::number(colour.blueF()) + " rg 0 0 " + size + " re f\n";
    const QList<QByteArray> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + size + "] /Contents 4 0 R /Resources << >> >>",
        "<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content + "endstream",
    };
    QByteArray pdf = "%PDF-1.4\n";
    QList<int> offsets;
    for (int i = 0; i < objects.size(); ++i) {
        offsets << pdf.size();
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const int xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (int offset : offsets) pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
           QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

// Encapsulated PostScript of the same kind.
inline QByteArray epsPicture(const QColor& colour, int width = 100, int height = 50)
{
    const QByteArray size = QByteArray::number(width) + " " + QByteArray::number(height);
    return "%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 " + size + "\n" + QByteArray::number(colour.redF()) + " " +
           QByteArray::number(colour.greenF()) + " " + QByteArray::number(colour.blueF()) + " setrgbcolor\n0 0 " +
           size + " rectfill\nshowpage\n%%EOF\n";
}

// A bitmap in the format Qt writes for the extension ("png", "jpg").
inline bool writeBitmap(const QString& path, const QColor& colour, const char* format)
{
    QImage image(80, 40, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, format, 95);
}

struct Finished {
    int exitCode = -1;
    QByteArray output;
};

// One program in the folder, reading Shift-JIS, never waiting for input.
inline Finished run(const QString& folder, const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.setWorkingDirectory(folder);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PTEX_KANJI_ENC", "sjis");
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(program, arguments);
    Finished r;
    if (!p.waitForFinished(120000)) return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.output = p.readAll();
    return r;
}

// pLaTeX until it stops on the first error.
inline Finished platex(const QString& folder, const QString& document)
{
    return run(folder, "/usr/bin/platex", {"-interaction=nonstopmode", "-halt-on-error", document});
}

// What pLaTeX makes of a document written into the folder under the name:
// empty when it runs without an error, else its output.
inline std::string platexErrors(const QString& folder, const std::string& document, const QString& name = "doc.tex")
{
    if (!writeFile(folder + "/" + name, QByteArray::fromStdString(document))) return "cannot write the document";
    const Finished tex = platex(folder, name);
    if (tex.exitCode < 0) return "platex did not finish";
    if (tex.exitCode == 0 && !tex.output.contains("\n!")) return {};
    return tex.output.toStdString();
}

// The same in a folder of its own.
inline std::string platexErrors(const std::string& document)
{
    QTemporaryDir dir;
    if (!dir.isValid()) return "cannot make a folder";
    return platexErrors(dir.path(), document);
}

}  // namespace realtex
