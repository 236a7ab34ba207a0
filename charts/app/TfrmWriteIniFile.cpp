#include "TfrmWriteIniFile.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

TfrmWriteIniFile::TfrmWriteIniFile(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setObjectName(QStringLiteral("frmWriteIniFile"));
    setWindowTitle(QStringLiteral("Write Ini-File"));
    resize(554, 63);
    auto* layout = new QVBoxLayout(this);
    lblWriteIniFile = new QLabel(QStringLiteral("Processing Ini-File"), this);
    lblWriteIniFile->setObjectName(QStringLiteral("lblWriteIniFile"));
    prgrsbrWriteIniFile = new QProgressBar(this);
    prgrsbrWriteIniFile->setObjectName(QStringLiteral("prgrsbrWriteIniFile"));
    layout->addWidget(lblWriteIniFile);
    layout->addWidget(prgrsbrWriteIniFile);
}

void TfrmWriteIniFile::start(const QString& caption, const QString& label, int count) {
    setWindowTitle(caption);
    lblWriteIniFile->setText(label);
    lblWriteIniFile->setVisible(true);
    prgrsbrWriteIniFile->setRange(0, std::max(0, count));
    prgrsbrWriteIniFile->setValue(0);
    show();
    QCoreApplication::processEvents();
}

void TfrmWriteIniFile::setPosition(int index) {
    prgrsbrWriteIniFile->setValue(index);
    QCoreApplication::processEvents();
}

void TfrmWriteIniFile::finish() { close(); }
