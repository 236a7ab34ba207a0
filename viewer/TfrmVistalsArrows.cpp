// Gradient and flow-velocity arrows over the picture, and their options dialog.
#include <QAction>
#include <QActionGroup>

#include "FlowComponents.h"
#include "GridNetcdfReader.h"
#include "LoadGrid.h"
#include "NumberText.h"
#include "TfrmGradientOptions.h"
#include "TfrmVistals.h"
#include "UserDialogs.h"

void TfrmVistals::buildArrowTools() {
    frmGradientOptions = new TfrmGradientOptions(dialogs_, this);
    // Checking one of the two "Show" items unchecks the other; either may be unchecked.
    auto* arrowItems = new QActionGroup(this);
    arrowItems->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    arrowItems->addAction(miShowGradients);
    arrowItems->addAction(miShowFlowVelocitiesFromXYFields);
}

void TfrmVistals::releaseArrowGrids() {
    view.arrows.release();
    FreeGridRows(FlowXComponent);
    FreeGridRows(FlowYComponent);
}

void TfrmVistals::recomputeGradientsIfShown() {
    if (view.arrowMode != ArrowMode::Gradients || !document.hasValues()) return;
    ComputeGradientGrids(view.arrows, *document.Values, document.header.cellsize,
                         document.header.nodata_value);
}

void TfrmVistals::miShowGradientsClick() {
    const bool shown = view.arrowMode != ArrowMode::Gradients;
    view.arrowMode = shown ? ArrowMode::Gradients : ArrowMode::None;
    showViewSettings();
    if (shown) {
        FreeGridRows(FlowXComponent);
        FreeGridRows(FlowYComponent);
        recomputeGradientsIfShown();
    }
    GridPaint();
}

std::unique_ptr<GridRows> TfrmVistals::readFlowComponent(const QString& fileName) {
    // The component is read into a document of its own: the shown grid, its format, level
    // controls, statistics and "Save Grid" stay as they are.
    GridDocument component;
    LoadCallbacks callbacks;
    callbacks.askYesNo = [this](const QString& text, const QString& caption) {
        return dialogs_.question(text, caption, UserDialogs::Buttons::YesNo) ==
               UserDialogs::Answer::Yes;
    };
    try {
        LoadGrid(component, fileName, *reader, callbacks);
    } catch (const GridFormatError& error) {
        if (error.kind() != GridFormatError::Kind::BadFileType)
            dialogs_.message(error.text(), error.caption());
        return nullptr;
    } catch (const std::exception& error) {
        dialogs_.message(QString::fromLocal8Bit(error.what()), QStringLiteral("file error"));
        return nullptr;
    }
    if (const auto mismatch = FlowGeometryMismatch(document.header, component.header, fileName)) {
        dialogs_.errorMessage(*mismatch, FlowGeometryCaption);
        return nullptr;
    }
    return TakeShownValues(component);
}

void TfrmVistals::miShowFlowVelocitiesFromXYFieldsClick() {
    if (view.arrowMode == ArrowMode::FlowVelocities) {
        view.arrowMode = ArrowMode::None;
        showViewSettings();
        releaseArrowGrids();
        GridPaint();
        return;
    }
    view.arrowMode = ArrowMode::FlowVelocities;
    showViewSettings();
    const auto stop = [this] {
        FreeGridRows(FlowXComponent);
        FreeGridRows(FlowYComponent);
        view.arrowMode = ArrowMode::None;
        showViewSettings();
    };
    const QStringList xChosen = dialogs_.openFiles(FlowXComponentTitle, QStringLiteral("*.*"));
    if (xChosen.isEmpty()) return stop();
    FlowXFileName = xChosen.first();
    const QStringList yChosen = dialogs_.openFiles(FlowYComponentTitle, QStringLiteral("*.*"));
    if (yChosen.isEmpty()) return stop();
    FlowYFileName = yChosen.first();

    FlowXComponent = readFlowComponent(FlowXFileName);
    if (!FlowXComponent) return stop();
    FlowYComponent = readFlowComponent(FlowYFileName);
    if (!FlowYComponent) return stop();
    ComputeFlowGrids(view.arrows, *FlowXComponent, *FlowYComponent, document.header.nodata_value);
    GridPaint();
}

void TfrmVistals::miGradientOptionsClick() {
    frmGradientOptions->setOptions(view.arrowOptions);
    frmGradientOptions->exec();
    if (frmGradientOptions->choice == TfrmGradientOptions::Choice::Accepted) {
        try {
            view.arrowOptions = frmGradientOptions->options();
        } catch (const ConversionError& error) {
            dialogs_.message(QString::fromStdString(error.what()), QStringLiteral("Vistal"));
        }
    }
    GridPaint();
}
