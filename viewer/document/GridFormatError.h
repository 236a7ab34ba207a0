#pragma once
#include <QString>
#include <stdexcept>

// The one error type of grid loading, level changes and saving. The text is
// meant for the user; the kind tells the window how to react.
class GridFormatError : public std::runtime_error {
  public:
    enum class Kind {
        Unrecognised,  // neither text, netCDF nor a binary grid: "format error" message
        BadFileType,   // the user declined the plausibility question: silent
        Read,          // the file cannot be opened or read
        Format,        // a header or body that does not fit: truncated, not a number, too big
        NetCDF,        // the netCDF reader failed: silent in the list click
        Write,         // saving failed; the old file is intact
    };

    GridFormatError(Kind kind, const QString& text)
        : std::runtime_error(text.toStdString()), kind_(kind), text_(text) {}

    Kind kind() const { return kind_; }
    const QString& text() const { return text_; }
    // Errors the list click swallows without a message.
    bool silent() const { return kind_ == Kind::BadFileType || kind_ == Kind::NetCDF; }
    // The caption of the message box that shows the text.
    QString caption() const {
        switch (kind_) {
            case Kind::Write:
                return QStringLiteral("save error");
            case Kind::Read:
                return QStringLiteral("file error");
            case Kind::NetCDF:
                return QStringLiteral("netCDF error");
            default:
                return QStringLiteral("format error");
        }
    }

  private:
    Kind kind_;
    QString text_;
};
