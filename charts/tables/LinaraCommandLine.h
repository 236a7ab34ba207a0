#pragma once
// Linara's jobs without a window: --info TABLE [--values], --render, --export and --help.
#include <string>
#include <vector>

// True when the arguments ask for a job without a window (any option but --screenshot);
// otherwise they are tables for the window.
bool isLinaraCommandLineJob(const std::vector<std::string>& arguments);

// Runs the job the arguments (without the program name) ask for and returns the exit code:
// 0 on success, 1 on bad arguments or a table that cannot be read. Standard output text goes
// to `out`, messages to `err`.
int runLinaraCommandLine(const std::vector<std::string>& arguments, std::string& out,
                         std::string& err);

// True when the arguments ask for a picture of the chart (--render).
bool isLinaraRenderJob(const std::vector<std::string>& arguments);

// `linara --render TABLE|SETTINGS.ini ... OUT.(png|pdf|svg) [--size WxH]`: the inputs in
// order, the picture file (the last file argument) and its size.
struct RenderJob {
    std::vector<std::string> inputs;
    std::string picture;
    int width = 1000;
    int height = 700;
};
// False with a message in `err` for arguments that are no render job.
bool parseRenderJob(const std::vector<std::string>& arguments, RenderJob& job, std::string& err);

// True when the arguments ask for the drawn series as CSV (--export).
bool isLinaraExportJob(const std::vector<std::string>& arguments);

// `linara --export TABLE|SETTINGS.ini ... OUT.csv`: the inputs in order and the CSV file (the
// last file argument).
struct ExportJob {
    std::vector<std::string> inputs;
    std::string csv;
};
// False with a message in `err` for arguments that are no export job.
bool parseExportJob(const std::vector<std::string>& arguments, ExportJob& job, std::string& err);
