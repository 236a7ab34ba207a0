#include "BatchCommandLine.h"

#include <unistd.h>

#include <charconv>
#include <functional>
#include <map>

#include "GeneratorMonitor.h"
#include "GeneratorTable.h"
#include "NumberText.h"
#include "SorvekHelp.h"

namespace {

// Draws "[#####.....]  45%" on a terminal whenever the whole percent changes.
class BatchMonitor : public GeneratorMonitor {
public:
    BatchMonitor(std::FILE* out, bool showBar) : out_(out), showBar_(showBar) {}
    ~BatchMonitor() override {
        if (showBar_ && percent_ >= 0) std::fputc('\n', out_);
    }
    GeneratorStatus GetStatus() const override { return status_; }
    void SetStatus(GeneratorStatus status) override { status_ = status; }
    void setProgress(int perMille) override {
        const int percent = std::min(perMille, 1000) / 10;
        if (!showBar_ || percent == percent_) return;
        percent_ = percent;
        constexpr int Width = 40;
        const int filled = percent * Width / 100;
        std::fprintf(out_, "\r[%s%s] %3d%%", std::string(filled, '#').c_str(),
                     std::string(Width - filled, '.').c_str(), percent);
        std::fflush(out_);
    }
    void GridPaint(int, int, int, int) override {}

private:
    std::FILE* out_;
    bool showBar_;
    GeneratorStatus status_ = GeneratorStatus::Idle;
    int percent_ = -1;
};

class BatchHost : public DrivingHost {
public:
    BatchHost(std::FILE* errors, bool showBar) : errors_(errors), showBar_(showBar) {}
    bool failed = false;
    void processMessages() override {}
    void showMessage(const QString& text) override {
        std::fprintf(errors_, "sorvek: %s\n", qPrintable(text));
        failed = true;
    }
    void runningChanged(int) override {}
    void generatorEnded(int, GeneratorStatus ending) override {
        failed = failed || ending != GeneratorStatus::Finished;
    }
    void writeFailed(const QString& fileName, int code, const QString& reason) override {
        // The message starts a line of its own after the progress bar.
        std::fprintf(errors_, "%ssorvek: the field could not be written to %s (code %d)%s%s\n",
                     showBar_ ? "\n" : "", qPrintable(fileName), code,
                     reason.isEmpty() ? "" : ": ", qPrintable(reason));
        failed = true;
    }
    void fieldNotFinite(const QString& fileName) override {
        // Below the progress bar, on a line of its own.
        std::fprintf(errors_, "%ssorvek: %s\n", showBar_ ? "\n" : "",
                     qPrintable(fieldNotFiniteText(fileName)));
        failed = true;
    }

private:
    std::FILE* errors_;
    bool showBar_;
};

// Whether the text is a number written correctly that its type cannot hold ("2147483648" as an
// integer, "1e400" as a double), as opposed to a text that is no number at all.
template <typename Number>
bool outOfRange(const QString& text) {
    std::string number = text.trimmed().toStdString();
    if (number.size() > 1 && number[0] == '+' && number[1] != '-') number.erase(0, 1);
    Number value{};
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    return result.ec == std::errc::result_out_of_range &&
           result.ptr == number.data() + number.size();
}

}  // namespace

bool isBatchCommandLine(const QStringList& arguments) {
    return arguments.contains(QStringLiteral("--batch")) ||
           arguments.contains(QStringLiteral("--help"));
}

QString batchUsage() { return QString::fromUtf8(sorvekHelpText); }

BatchRequest parseBatchCommandLine(const QStringList& arguments) {
    BatchJob job;
    FieldParameters& p = job.parameters;
    const QStringList integerOptions{"--rows", "--cols", "--seed"};
    const std::map<QString, std::function<bool(const QString&)>> numbers{
        {"--rows", [&](const QString& t) { return tryParseInt(t.toStdString(), p.nrows); }},
        {"--cols", [&](const QString& t) { return tryParseInt(t.toStdString(), p.ncols); }},
        {"--xll", [&](const QString& t) { return tryParseDouble(t.toStdString(), p.xll); }},
        {"--yll", [&](const QString& t) { return tryParseDouble(t.toStdString(), p.yll); }},
        {"--cellsize",
         [&](const QString& t) { return tryParseDouble(t.toStdString(), p.cellSize); }},
        {"--nodata", [&](const QString& t) { return tryParseDouble(t.toStdString(), p.nodata); }},
        {"--average", [&](const QString& t) { return tryParseDouble(t.toStdString(), p.average); }},
        {"--stddev",
         [&](const QString& t) { return tryParseDouble(t.toStdString(), p.stdDeviation); }},
        {"--corrx", [&](const QString& t) { return tryParseDouble(t.toStdString(), p.corrLenX); }},
        {"--corry", [&](const QString& t) { return tryParseDouble(t.toStdString(), p.corrLenY); }},
        {"--seed", [&](const QString& t) { return tryParseInt(t.toStdString(), p.initValue); }},
    };
    bool batch = false;
    QStringList files;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--help")) return BatchHelp{};
        if (argument == QStringLiteral("--batch")) {
            batch = true;
        } else if (argument == QStringLiteral("--log")) {
            p.distributionType = 1;
        } else if (const auto option = numbers.find(argument); option != numbers.end()) {
            if (i + 1 >= arguments.size())
                return BatchError{QStringLiteral("%1 needs a value").arg(argument)};
            const QString& value = arguments[++i];
            if (option->second(value)) continue;
            const bool integer = integerOptions.contains(argument);
            if (integer ? outOfRange<int>(value) : outOfRange<double>(value))
                return BatchError{
                    integer ? QStringLiteral("%1: \"%2\" is out of range (%3 to %4)")
                                  .arg(argument, value)
                                  .arg(std::numeric_limits<int>::min())
                                  .arg(std::numeric_limits<int>::max())
                            : QStringLiteral("%1: \"%2\" is out of range").arg(argument, value)};
            return BatchError{QStringLiteral("%1: \"%2\" is not a number").arg(argument, value)};
        } else if (argument.startsWith(QStringLiteral("--"))) {
            return BatchError{QStringLiteral("unknown option %1").arg(argument)};
        } else {
            files << argument;
        }
    }
    if (!batch) return BatchError{QStringLiteral("the options need --batch")};
    if (files.size() != 1) return BatchError{QStringLiteral("--batch needs one file name")};
    p.fileName = files.front();
    if (const auto refusal = refusalOf(p)) return BatchError{*refusal};
    return job;
}

int runBatchJob(const BatchJob& job, std::FILE* errors, bool showBar) {
    GeneratorTable table;
    BatchHost host(errors, showBar);
    const auto started = table.start(job.parameters);
    if (!started) {
        std::fprintf(errors, "sorvek: the generator for %s could not be started\n",
                     qPrintable(job.parameters.fileName));
        return 1;
    }
    {
        BatchMonitor monitor(errors, showBar);
        table.attach(started->slot, &monitor);
        table.run(host);
    }
    return host.failed ? 1 : 0;
}

int runBatchCommandLine(const QStringList& arguments) {
    const BatchRequest request = parseBatchCommandLine(arguments);
    if (std::holds_alternative<BatchHelp>(request)) {
        std::fputs(qPrintable(batchUsage()), stdout);
        return 0;
    }
    if (const auto* error = std::get_if<BatchError>(&request)) {
        std::fprintf(stderr, "sorvek: %s (see sorvek --help)\n", qPrintable(error->message));
        return 1;
    }
    return runBatchJob(std::get<BatchJob>(request), stderr, isatty(fileno(stderr)) != 0);
}
