#include "LinaraCommandLine.h"

#include <gtest/gtest.h>

#include "CommaDecimalLocale.h"
#include "TableTestFiles.h"
#include "TestFolder.h"

namespace {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome linara(const std::vector<std::string>& arguments) {
    Outcome run{0, {}, {}};
    run.code = runLinaraCommandLine(arguments, run.out, run.err);
    return run;
}

class LinaraInfo : public ::testing::Test {
protected:
    std::string write(const std::string& name, const std::string& text) {
        return folder_.write(QString::fromStdString(name), QByteArray::fromStdString(text))
            .toStdString();
    }
    TestFolder folder_;
};

}  // namespace

TEST_F(LinaraInfo, SummaryAsJsonWithDotsUnderAnyLocale) {
    CommaDecimalLocale german;
    const std::string table = write("q.txt", tableText("YY MM DD HH Q \"Lost\"",
                                                       "01 1 1 0 1.5 -9999\n"
                                                       "01 1 1 12 -0.25 9999\n",
                                                       "Abflu\xdf_in_den_Teilgebieten_m3"));
    const Outcome run = linara({"--info", table});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "{\n"
              "  \"start\": 36892,\n"
              "  \"end\": 36893,\n"
              "  \"step\": 0.5,\n"
              "  \"entity\": \"Abflu\xc3\x9f_in_den_Teilgebieten_m3\",\n"
              "  \"minute_column\": false,\n"
              "  \"min\": -0.25,\n"
              "  \"max\": 1.5,\n"
              "  \"series\": [\n"
              "    {\n"
              "      \"title\": \"Abflu\xc3\x9f_in_den_Teilgebieten: Q\",\n"
              "      \"min\": -0.25,\n"
              "      \"max\": 1.5,\n"
              "      \"points\": 2,\n"
              "      \"nulls\": 0,\n"
              "      \"count\": 2,\n"
              "      \"missing\": 0,\n"
              "      \"sum\": 1.25,\n"
              "      \"mean\": 0.625,\n"
              "      \"min_date\": 36892.5,\n"
              "      \"max_date\": 36892\n"
              "    },\n"
              "    {\n"
              "      \"title\": \"Abflu\xc3\x9f_in_den_Teilgebieten: \\\"Lost\\\"\",\n"
              "      \"min\": null,\n"
              "      \"max\": null,\n"
              "      \"points\": 2,\n"
              "      \"nulls\": 2,\n"
              "      \"count\": 0,\n"
              "      \"missing\": 2,\n"
              "      \"sum\": 0,\n"
              "      \"mean\": null,\n"
              "      \"min_date\": null,\n"
              "      \"max_date\": null\n"
              "    }\n"
              "  ]\n"
              "}\n");
}

TEST_F(LinaraInfo, ValuesWithNullForMissing) {
    const std::string table = write("m.txt",
                                    "Run\nYY MM DD HH mm A B\nT\n"
                                    "2001 1 1 0 15 0.1 -9999\n2001 1 1 0 45 1e-7 2\n");
    const Outcome run = linara({table, "--values", "--info"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("\"start\": 36892.010416666664,"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"step\": 0.02083333333333"), std::string::npos);
    EXPECT_NE(run.out.find("\"minute_column\": true,"), std::string::npos);
    EXPECT_NE(run.out.find("\"y\": [0.1, 1e-07]"), std::string::npos);
    EXPECT_NE(run.out.find("\"y\": [null, 2]"), std::string::npos);
    EXPECT_EQ(linara({"--info", table}).out.find("\"y\""), std::string::npos);
}

TEST_F(LinaraInfo, BadTablesAndArgumentsExitWithOneAndAMessage) {
    const std::string bad = write("bad.txt", "no table here\n");
    Outcome run = linara({"--info", bad});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "linara: " + bad + ": Error: The input file cannot\n be parsed correctly.\n");

    run = linara({"--info", folder_.path("missing.txt").toStdString()});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "linara: Error: The file " + folder_.path("missing.txt").toStdString() +
                           " cannot be read: No such file or directory\n");

    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {}, {bad}, {"--info"}, {"--info", bad, bad}, {"--info", bad, "--level", "1"}}) {
        run = linara(arguments);
        EXPECT_EQ(run.code, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_NE(linara({}).err.find("usage: linara --info TABLE [--values]"), std::string::npos);
}

TEST_F(LinaraInfo, HelpListsTheOptions) {
    const Outcome run = linara({"--help"});
    EXPECT_EQ(run.code, 0);
    for (const char* option : {"--info TABLE", "--values", "--help", "--screenshot OUT.png",
                               "linara [TABLE|SETTINGS.ini ...]"}) {
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
    }
}

TEST(LinaraArguments, TablesAndAScreenshotOpenTheWindowAnyOtherOptionIsAJob) {
    EXPECT_FALSE(isLinaraCommandLineJob({}));
    EXPECT_FALSE(isLinaraCommandLineJob({"a.txt", "b.ini"}));
    EXPECT_FALSE(isLinaraCommandLineJob({"a.txt", "--screenshot", "--info.png"}));
    EXPECT_FALSE(isLinaraCommandLineJob({"a.txt", "--screenshot"}));
    EXPECT_TRUE(isLinaraCommandLineJob({"--info", "a.txt"}));
    EXPECT_TRUE(isLinaraCommandLineJob({"a.txt", "--help"}));
    EXPECT_TRUE(isLinaraCommandLineJob({"a.txt", "--render"}));
}

TEST_F(LinaraInfo, TheBundledSampleIsATable) {
    const Outcome run = linara({"--info", TOLMAR_SAMPLES "/runoff.txt"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("\"points\": 720,"), std::string::npos) << run.out;
}

TEST(LinaraRender, InputsInOrderThenThePictureAndItsSize) {
    EXPECT_TRUE(isLinaraRenderJob({"a.txt", "--render", "out.png"}));
    EXPECT_FALSE(isLinaraRenderJob({"a.txt", "--info"}));
    RenderJob job;
    std::string err;
    ASSERT_TRUE(
        parseRenderJob({"--render", "a.txt", "run.ini", "--size", "640x480", "Out.SVG"}, job, err));
    EXPECT_EQ(job.inputs, (std::vector<std::string>{"a.txt", "run.ini"}));
    EXPECT_EQ(job.picture, "Out.SVG");
    EXPECT_EQ(job.width, 640);
    EXPECT_EQ(job.height, 480);
    EXPECT_TRUE(err.empty());

    RenderJob defaults;
    ASSERT_TRUE(parseRenderJob({"--render", "a.txt", "out.pdf"}, defaults, err));
    EXPECT_EQ(defaults.width, 1000);
    EXPECT_EQ(defaults.height, 700);
}

TEST(LinaraRender, BadArgumentsAreRefusedWithAMessage) {
    const std::vector<std::vector<std::string>> bad = {
        {"--render", "out.png"},                            // nothing to draw
        {"--render", "a.txt", "out.gif"},                   // no picture format
        {"--render", "a.txt", "out"},                       //
        {"--render", "a.txt", "out.png", "--size"},         // size missing
        {"--render", "a.txt", "out.png", "--size", "0x5"},  // empty picture
        {"--render", "a.txt", "out.png", "--size", "64x99999"},
        {"--render", "a.txt", "out.png", "--size", "64*64"},
        {"--render", "a.txt", "out.png", "--values"},
    };
    for (const auto& arguments : bad) {
        RenderJob job;
        std::string err;
        EXPECT_FALSE(parseRenderJob(arguments, job, err)) << arguments.back();
        EXPECT_FALSE(err.empty()) << arguments.back();
    }
}

TEST(LinaraExport, InputsInOrderThenTheCsvFile) {
    EXPECT_TRUE(isLinaraExportJob({"a.txt", "--export", "out.csv"}));
    EXPECT_FALSE(isLinaraExportJob({"a.txt", "--render", "out.png"}));
    EXPECT_TRUE(isLinaraCommandLineJob({"--export", "a.txt", "out.csv"}));
    ExportJob job;
    std::string err;
    ASSERT_TRUE(parseExportJob({"--export", "a.txt", "run.ini", "out.csv"}, job, err));
    EXPECT_EQ(job.inputs, (std::vector<std::string>{"a.txt", "run.ini"}));
    EXPECT_EQ(job.csv, "out.csv");
    EXPECT_TRUE(err.empty());

    const std::vector<std::vector<std::string>> bad = {
        {"--export", "out.csv"},                     // nothing to export
        {"--export", "a.txt", "out.csv", "--size"},  // an option of another job
        {"--export", "a.txt", "b.txt", "a.txt"},     // the CSV would replace a table
    };
    for (const auto& arguments : bad) {
        ExportJob refused;
        std::string message;
        EXPECT_FALSE(parseExportJob(arguments, refused, message)) << arguments.back();
        EXPECT_FALSE(message.empty()) << arguments.back();
    }
}
