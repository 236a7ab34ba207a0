#include "RenderCommand.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <optional>

#include "CommandArguments.h"
#include "CommandLineJobSetup.h"
#include "FlowComponents.h"
#include "GammaSetting.h"
#include "GridNetcdfReader.h"
#include "OutputFileDevice.h"
#include "PalettePath.h"
#include "PaletteSet.h"
#include "Palettes.h"

namespace {

const char* const renderUsage =
    "usage: vistal --render FILE OUT.png [--size WxH] [--palette N] [--level N]\n"
    "                       [--gradients | --flow XGRID YGRID]\n";

// The gamma edit's first position.
constexpr int StartGammaPosition = 50;

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

// Takes "--flow XGRID YGRID" out of the arguments: the two component grids' files.
std::optional<std::pair<QString, QString>> takeFlowOption(QStringList& args) {
    const qsizetype at = args.indexOf(QStringLiteral("--flow"));
    if (at < 0) return std::nullopt;
    if (at + 2 >= args.size() || args[at + 1].startsWith(QStringLiteral("--")) ||
        args[at + 2].startsWith(QStringLiteral("--")))
        throw CommandLineError(QStringLiteral("--flow needs two grid files, XGRID and YGRID"));
    std::pair<QString, QString> files{args[at + 1], args[at + 2]};
    args.remove(at, 3);
    if (args.contains(QStringLiteral("--flow")))
        throw CommandLineError(QStringLiteral("--flow may be given once"));
    return files;
}

// A flow component grid of the shown grid's geometry.
std::unique_ptr<GridRows> loadFlowComponent(const GridDocument& shown, const QString& file,
                                            QTextStream& err, const NetcdfLevelReader& netcdf) {
    GridDocument component;
    loadForCommand(component, file, std::nullopt, err, netcdf);
    if (const auto mismatch = FlowGeometryMismatch(shown.header, component.header, file))
        throw CommandLineError(*mismatch);
    return TakeShownValues(component);
}

}  // namespace

PaletteSet RenderPalettes() {
    PaletteSet palettes;
    palettes.BuildPalettes(GammaOfPosition(StartGammaPosition));
    for (FoundPalette& found :
         ReadOfferedPalettes(ColorStepCount + 1, QCoreApplication::applicationDirPath()).palettes)
        palettes.Palettes.push_back(std::move(found.palette.colours));
    return palettes;
}

void SetUpRenderView(GridView& view, const GridDocument& doc, const PaletteSet& palettes,
                     int paletteIndex) {
    view.palettes() = palettes;
    view.choosePalette(paletteIndex);
    view.updateLegendValues(doc.statistics);
    FitPage(view.window, doc.header.nrows, doc.header.ncols);
}

QImage RenderGridPicture(const GridDocument& doc, GridView& view, QSize size,
                         const LegendStyle& style) {
    const RenderTarget target{
        size, QSize(LegendWidth(view.legendLabels(), style.font), RenderLegendHeight), style};
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(style.face);
    QImage legendPicture;
    view.render(doc, target, picture, legendPicture);

    QImage result(picture.width() + legendPicture.width(),
                  std::max(picture.height(), legendPicture.height()), QImage::Format_RGB32);
    result.fill(style.face);
    QPainter painter(&result);
    painter.drawImage(0, 0, picture);
    painter.drawImage(picture.width(), 0, legendPicture);
    painter.end();
    return result;
}

QImage RenderGridPicture(const GridDocument& doc, const PaletteSet& palettes, int paletteIndex,
                         QSize size, const LegendStyle& style) {
    GridView view;
    SetUpRenderView(view, doc, palettes, paletteIndex);
    return RenderGridPicture(doc, view, size, style);
}

int runRenderCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    return runCommandJob(err, renderUsage, [&] {
        QStringList rest = args;
        const auto flowFiles = takeFlowOption(rest);
        const CommandArguments arguments = parseCommandArguments(
            rest, QStringLiteral("--render"),
            {QStringLiteral("--size"), QStringLiteral("--palette"), QStringLiteral("--level")},
            {QStringLiteral("--gradients")});
        const bool gradients = arguments.has(QStringLiteral("--gradients"));
        if (gradients && flowFiles)
            throw CommandLineError(QStringLiteral("--gradients and --flow exclude each other"));
        if (arguments.files.size() != 2) throw CommandLineError(QString::fromLatin1(renderUsage));
        const QSize size = parseSize(
            arguments.value(QStringLiteral("--size")).value_or(QStringLiteral("800x600")));
        const int palette = intOption(arguments, QStringLiteral("--palette")).value_or(1);
        // The numbering of the palette combo box: the built-in palettes, then the user's
        // palette files.
        const PaletteSet palettes = RenderPalettes();
        const int paletteCount = static_cast<int>(palettes.Palettes.size());
        if (palette < 1 || palette > paletteCount)
            throw CommandLineError(QStringLiteral("--palette wants 1 to %1").arg(paletteCount));
        const auto level = intOption(arguments, QStringLiteral("--level"));

        netcdfReader reader;
        const NetcdfLevelReader netcdf = netcdfLevelsOf(reader);
        GridDocument doc;
        loadForCommand(doc, arguments.files[0], level, err, netcdf);
        if (level && !doc.IsStack)
            throw CommandLineError(QStringLiteral("level %1 does not exist").arg(*level));

        GridView view;
        SetUpRenderView(view, doc, palettes, palette - 1);
        if (gradients && doc.hasValues()) {
            ComputeGradientGrids(view.arrows, *doc.Values, doc.header.cellsize,
                                 doc.header.nodata_value);
            view.arrowMode = ArrowMode::Gradients;
        } else if (flowFiles) {
            const auto x = loadFlowComponent(doc, flowFiles->first, err, netcdf);
            const auto y = loadFlowComponent(doc, flowFiles->second, err, netcdf);
            ComputeFlowGrids(view.arrows, *x, *y, doc.header.nodata_value);
            view.arrowMode = ArrowMode::FlowVelocities;
        }

        const QImage result = RenderGridPicture(
            doc, view, size, LegendStyleOf(QGuiApplication::palette(), QGuiApplication::font()));
        if (const QString reason = writePictureFile(arguments.files[1], result, "PNG");
            !reason.isEmpty())
            throw std::runtime_error(QStringLiteral("could not write %1: %2")
                                         .arg(arguments.files[1], reason)
                                         .toStdString());
        out << arguments.files[1] << "\n";
        return 0;
    });
}

int runRenderJob(int argc, char* argv[]) {
    // Fonts need a GUI application; it draws offscreen.
    setUpCommandLineJob();
    QGuiApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runRenderCommand(application.arguments().mid(1), out, err);
}
