#include "RenderCommand.h"

#include <QApplication>
#include <QFrame>
#include <QListWidget>
#include <QPainter>

#include "CommandArguments.h"
#include "CommandProcessor.h"
#include "PaintBox.h"
#include "PaletteComboBox.h"
#include "ScriptedDialogs.h"
#include "TfrmVistals.h"
#include "UpDown.h"

namespace {

const char* const renderUsage =
    "usage: vistal --render FILE OUT.png [--size WxH] [--palette N] [--level N]\n";

class NoCommands : public CommandProcessor {
public:
    void run(const QString&) override {}
};

QSize parseSize(const QString& text) {
    const QStringList parts = text.toLower().split(QLatin1Char('x'));
    bool okWidth = false;
    bool okHeight = false;
    const QSize size =
        parts.size() == 2 ? QSize(parts[0].toInt(&okWidth), parts[1].toInt(&okHeight)) : QSize();
    if (!okWidth || !okHeight || size.width() < 2 || size.height() < 2 || size.width() > 20000 ||
        size.height() > 20000)
        throw CommandLineError(QStringLiteral("--size wants WIDTHxHEIGHT in pixels, e.g. 800x600"));
    return size;
}

}  // namespace

int runRenderCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    return runCommandJob(err, renderUsage, [&] {
        const CommandArguments arguments = parseCommandArguments(
            args, QStringLiteral("--render"),
            {QStringLiteral("--size"), QStringLiteral("--palette"), QStringLiteral("--level")}, {});
        if (arguments.files.size() != 2) throw CommandLineError(QString::fromLatin1(renderUsage));
        const QSize size = parseSize(
            arguments.value(QStringLiteral("--size")).value_or(QStringLiteral("800x600")));
        const int palette = intOption(arguments, QStringLiteral("--palette")).value_or(1);
        const auto level = intOption(arguments, QStringLiteral("--level"));

        // The window itself paints, offscreen, so the picture is the window's.
        ScriptedDialogs dialogs;
        dialogs.questionAnswers.assign(8, UserDialogs::Answer::Yes);
        NoCommands commands;
        TfrmVistals window(dialogs, commands);
        window.resize(1316, 819);
        window.show();
        window.FormShow({});
        // The picture gets exactly the asked size; the legend keeps the window's height.
        window.PaintBox1->setFixedSize(size);
        QCoreApplication::processEvents();

        window.lstbxGridNames->addItem(arguments.files[0]);
        window.lstbxGridNames->setCurrentRow(0);
        window.lstbxGridNamesClick();
        for (const auto& message : dialogs.callsOf(QStringLiteral("message")))
            throw std::runtime_error(message.text.toStdString());
        if (!window.document.hasValues())
            throw std::runtime_error(("could not load " + arguments.files[0]).toStdString());
        if (palette < 1 || palette > window.ComboBox1->count())
            throw CommandLineError(
                QStringLiteral("--palette wants 1 to %1").arg(window.ComboBox1->count()));
        if (level) {
            if (!window.document.IsStack || *level < 0 || *level >= window.document.LevelCount)
                throw CommandLineError(QStringLiteral("level %1 does not exist").arg(*level));
            window.updnStacklevel->setPosition(*level);
            window.updnStacklevelClick();
        }
        window.ComboBox1->setCurrentIndex(palette - 1);
        window.ComboBox1Change();
        window.GridPaint();

        const QImage& picture = window.PaintBox1->canvas();
        const QImage legend = window.pnlLegend->grab().toImage();
        QImage result(picture.width() + legend.width(), std::max(picture.height(), legend.height()),
                      QImage::Format_RGB32);
        result.fill(window.palette().color(QPalette::Button));
        QPainter painter(&result);
        painter.drawImage(0, 0, picture);
        painter.drawImage(picture.width(), 0, legend);
        painter.end();
        if (!result.save(arguments.files[1], "PNG"))
            throw std::runtime_error(("could not write " + arguments.files[1]).toStdString());
        out << arguments.files[1] << "\n";
        return 0;
    });
}
