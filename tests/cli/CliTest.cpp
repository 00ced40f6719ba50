// The batch tool as a user runs it: a process with arguments, files, standard error and an exit status.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSize>
#include <QTemporaryDir>
#include <QtEndian>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

namespace {

struct CliRun
{
    int status = -1;
    QString out;
    QString err;
};

class CliTest : public testing::Test
{
protected:
    QTemporaryDir dir;

    QString Path(const QString& name) const { return dir.filePath(name); }
    QString Data(const char* name) const { return QStringLiteral(SALVENTO_TEST_DATA "/") + QString::fromLatin1(name); }
    void Write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray Read(const QString& name) const
    {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Runs salvento-cli with a configuration of its own in the scratch directory (an empty one
    // unless the test wrote it); its standard output goes to `outputFile` when one is given.
    CliRun Cli(QStringList arguments, const QString& outputFile = QString()) const
    {
        if (!QFileInfo::exists(Path(QStringLiteral("SALVENTO.INI"))))
            Write(QStringLiteral("SALVENTO.INI"), QByteArray());
        arguments.prepend(dir.path());
        arguments.prepend(QStringLiteral("--home"));
        return Run(QStringLiteral(SALVENTO_CLI), arguments, outputFile);
    }

    // Runs salvento-cli as it ships: with the configuration beside it.
    static CliRun Shipped(const QStringList& arguments) { return Run(QStringLiteral(SALVENTO_CLI), arguments); }

    static CliRun Run(const QString& program, const QStringList& arguments, const QString& outputFile = QString())
    {
        QProcess process;
        if (!outputFile.isEmpty())
            process.setStandardOutputFile(outputFile);
        process.start(program, arguments);
        process.waitForFinished(60000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
    }
};

TEST_F(CliTest, ConvertsAnExcelCsvWithDecimalCommas)
{
    const CliRun run = Cli({QStringLiteral("convert"), Data("excel_utf8.csv"), Path(QStringLiteral("out.txt")),
                            QStringLiteral("--dec-sep"), QStringLiteral(",")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(Read(QStringLiteral("out.txt"))),
              QStringLiteral("stacja;t;f;v;N8\r\n"
                             "Kraków;12.500000;80.000000;3.200000;4\r\n"
                             "Zakopane;-3.250000;95.000000;;8\r\n"
                             "Łeba;0.000000;100.000000;12.750000;0"));
}

TEST_F(CliTest, ConvertsAWindows1250FileToUtf8)
{
    const CliRun run = Cli({QStringLiteral("--decimal-separator"), QStringLiteral(","), QStringLiteral("convert"),
                            Data("station_cp1250.txt"), Path(QStringLiteral("out.txt")), QStringLiteral("--dec-sep"),
                            QStringLiteral(".")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(Read(QStringLiteral("out.txt"))),
              QStringLiteral("miejscowość\tt\ttd\tuwagi\r\n"
                             "Łódź\t21,500000\t12,250000\tżar\r\n"
                             "Świnoujście\t18,000000\t16,500000\tmgła, wiatr\r\n"
                             "Gdańsk\t-1,750000\t-4,000000\t"));
}

TEST_F(CliTest, DecimalSeparatorComesFromTheOptions)
{
    Write(QStringLiteral("SALVENTO.INI"), "[Options]\nDecimalSepPoint=1\n");
    Write(QStringLiteral("in.txt"), "a b\n1.5 2");
    ASSERT_EQ(Cli({QStringLiteral("convert"), Path(QStringLiteral("in.txt")), Path(QStringLiteral("out.txt"))}).status,
              0);
    EXPECT_EQ(Read(QStringLiteral("out.txt")), QByteArray("a b\r\n1.500000 2.000000"));
}

TEST_F(CliTest, ReportsMissingFilesAndBadUsage)
{
    CliRun run = Cli({QStringLiteral("convert"), Path(QStringLiteral("none.txt")), Path(QStringLiteral("out.txt"))});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, QStringLiteral("Nie mogę znaleźć pliku \n"));

    Write(QStringLiteral("blank.txt"), "\n\n");
    run = Cli({QStringLiteral("convert"), Path(QStringLiteral("blank.txt")), Path(QStringLiteral("out.txt"))});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral(" nie zawiera danych !")));

    Write(QStringLiteral("in.txt"), "a;b\n1;2");
    run = Cli({QStringLiteral("convert"), Path(QStringLiteral("in.txt")), Path(QStringLiteral("no/such/dir/out.txt"))});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("Błąd podczas zapisu do pliku ")));

    run = Cli({QStringLiteral("convert"), Path(QStringLiteral("in.txt")), Path(QStringLiteral("out.txt")),
               QStringLiteral("--data-sep"), QStringLiteral(";"), QStringLiteral("--dec-sep"), QStringLiteral(";")});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, QStringLiteral("Separator danych nie może być taki sam, jak separator dziesiętny !\n"));

    EXPECT_EQ(Cli({QStringLiteral("convert"), Path(QStringLiteral("in.txt"))}).status, 2);
    EXPECT_EQ(Cli({QStringLiteral("frobnicate")}).status, 2);
    EXPECT_EQ(Cli({QStringLiteral("completion"), QStringLiteral("fish")}).status, 2);
    EXPECT_EQ(
        Cli({QStringLiteral("calc"), QStringLiteral("--threads"), QStringLiteral("0"), Path(QStringLiteral("in.txt"))})
            .status,
        2);
    EXPECT_EQ(Cli({}).status, 2);
    EXPECT_EQ(Cli({QStringLiteral("--decimal-separator"), QStringLiteral(",,"), QStringLiteral("kinds")}).status, 2);
}

TEST_F(CliTest, HelpListsEveryCommand)
{
    const CliRun run = Cli({QStringLiteral("--help")});
    EXPECT_EQ(run.status, 0);
    for (const char* word : {"calc",
                             "convert",
                             "possible",
                             "kinds",
                             "stats",
                             "find",
                             "--home",
                             "--decimal-separator",
                             "--data-sep",
                             "--dec-sep",
                             "--complex",
                             "--indices",
                             "--all",
                             "--output",
                             "--have",
                             "--columns",
                             "--rows",
                             "--freq",
                             "--text",
                             "--case-insensitive",
                             "--no-text-cells",
                             "--no-number-cells",
                             "--number",
                             "--precision",
                             "--missing",
                             "--bad",
                             "--intervals",
                             "--classes",
                             "--column",
                             "--upward"})
        EXPECT_TRUE(run.out.contains(QString::fromLatin1(word))) << word;
}

TEST_F(CliTest, KindsListsTheConfiguration)
{
    Write(QStringLiteral("SALVENTO.INI"),
          "[Names]\nt=Ta\n[Minima]\nt=-90\n[Maxima]\nt=60\n[Typicals]\nt=20\n"
          "[Defaults]\np=1013.25\n");
    const CliRun run = Cli({QStringLiteral("kinds")});
    ASSERT_EQ(run.status, 0);
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 108);
    EXPECT_EQ(lines[0], QStringLiteral("0\tt\tTa\t0\t0\t-90.00\t60.00\t\t20.00"));
    EXPECT_EQ(lines[5], QStringLiteral("5\tp\tp\t0\t0\t\t\t1013.25\t"));
    EXPECT_EQ(lines[88], QStringLiteral("88\tWeather\tWeather\t0\t1\t\t\t\t"));
    EXPECT_EQ(lines[107], QStringLiteral("107\tmS_w\tmS_w\t0\t0\t\t\t\t"));
}

TEST_F(CliTest, CalculatesTheSimpleWayToStandardOutput)
{
    Write(QStringLiteral("SALVENTO.INI"), "[Typicals]\nt=20\nv=2\n");
    Write(QStringLiteral("weather.txt"), "station;t;v\nHel;0;1\nHel;10;0.1");
    const CliRun run = Cli({QStringLiteral("calc"), QStringLiteral("--indices"), QStringLiteral("WCI,sb"),
                            Path(QStringLiteral("weather.txt"))});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    // SB = (1 − 0.04·t)·(1 + 0.272·v) with v floored to 0.25; WCI = 1.163·(10·√v + 10.45 − v)·(33 − t).
    EXPECT_EQ(run.out.toStdString(), "SB\tWCI\r\n1.272000\t746.471558\r\n0.640800\t406.584808\n");
}

TEST_F(CliTest, KeepsTheInputColumnsAndCalculatesEachFileAlone)
{
    Write(QStringLiteral("SALVENTO.INI"), "[Typicals]\nt=20\nv=2\n");
    Write(QStringLiteral("weather.txt"), "station;t;v\nHel;0;1\nHel;10;0.1");
    Write(QStringLiteral("calm.txt"), "t\tv\n5\t0");
    Write(QStringLiteral("wrong.txt"), "x\n1");
    const CliRun kept = Cli({QStringLiteral("calc"), QStringLiteral("-k"), QStringLiteral("--indices"),
                             QStringLiteral("WCI"), Path(QStringLiteral("weather.txt"))});
    ASSERT_EQ(kept.status, 0) << kept.err.toStdString();
    EXPECT_EQ(kept.out.toStdString(),
              "station;t;v;WCI\r\nHel;0.000000;1.000000;746.471558\r\n"
              "Hel;10.000000;0.100000;406.584808\n");

    const CliRun each = Cli({QStringLiteral("calc"), QStringLiteral("--each"), QStringLiteral("--indices"),
                             QStringLiteral("WCI"), QStringLiteral("--out-dir"), Path(QStringLiteral("out")),
                             Path(QStringLiteral("weather.txt")), Path(QStringLiteral("wrong.txt")),
                             Path(QStringLiteral("calm.txt"))});
    EXPECT_EQ(each.status, 1);   // one file failed, the others were written
    EXPECT_EQ(Read(QStringLiteral("out/weather.txt")), QByteArray("WCI\r\n746.471558\r\n406.584808"));
    EXPECT_TRUE(Read(QStringLiteral("out/calm.txt")).startsWith("WCI\r\n"));
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("out/wrong.txt"))));
    EXPECT_TRUE(each.err.contains(QStringLiteral("wrong.txt: nie policzono"))) << each.err.toStdString();

    const QString in = Path(QStringLiteral("weather.txt"));
    const QString calc = QStringLiteral("calc");
    for (const QStringList& refused :
         {QStringList{calc, QStringLiteral("--complex"), QStringLiteral("-k"), in},
          QStringList{calc, QStringLiteral("--out-dir"), Path(QStringLiteral("o")), in},
          QStringList{calc, QStringLiteral("--each"), QStringLiteral("--out-dir"), Path(QStringLiteral("o")),
                      QStringLiteral("-o"), in, in},
          QStringList{calc, QStringLiteral("--each"), QStringLiteral("--out-dir"), Path(QStringLiteral("o")), in, in}})
        EXPECT_EQ(Cli(refused).status, 2) << refused.join(u' ').toStdString();
}

TEST_F(CliTest, ReadsStandardInputAndWritesTheOutputFormatAsked)
{
    Write(QStringLiteral("SALVENTO.INI"), "[Typicals]\nt=20\nv=2\n");
    Write(QStringLiteral("weather.txt"), "station;t;v\nHel;0;1\nHel;10;0.1");
    QProcess process;
    process.setStandardInputFile(Path(QStringLiteral("weather.txt")));
    process.start(QStringLiteral(SALVENTO_CLI),
                  {QStringLiteral("--home"), dir.path(), QStringLiteral("calc"), QStringLiteral("-k"),
                   QStringLiteral("--indices"), QStringLiteral("WCI"), QStringLiteral("--out-sep"), QStringLiteral(";"),
                   QStringLiteral("--out-dec"), QStringLiteral(","), QStringLiteral("-"), QStringLiteral("-o"),
                   QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(process.readAllStandardOutput().toStdString(),
              "station;t;v;WCI\r\nHel;0,000000;1,000000;746,471558\r\n"
              "Hel;10,000000;0,100000;406,584808\n");
    // --exact: the shortest text that reads back as the same float32.
    Write(QStringLiteral("fine.txt"), "t;v\n0.1;1e-7\n-0.0000001;123456789");
    EXPECT_EQ(Cli({QStringLiteral("convert"), QStringLiteral("--exact"), QStringLiteral("--out-dec"),
                   QStringLiteral(","), Path(QStringLiteral("fine.txt")), QStringLiteral("-")})
                  .out.toStdString(),
              "t;v\r\n0,1;0,0000001\r\n-0,0000001;123456792\n");
    const QString in = Path(QStringLiteral("weather.txt"));
    for (const QStringList& refused :
         {QStringList{QStringLiteral("convert"), in, QStringLiteral("-"), QStringLiteral("--out-sep"),
                      QStringLiteral(","), QStringLiteral("--out-dec"), QStringLiteral(",")},
          QStringList{QStringLiteral("calc"), QStringLiteral("-"), QStringLiteral("-")}})
        EXPECT_EQ(Cli(refused).status, 2) << refused.join(u' ').toStdString();
}

TEST_F(CliTest, HelpListsTheKindsAndPrintsAKindsReference)
{
    const CliRun list = Shipped({QStringLiteral("help")});
    ASSERT_EQ(list.status, 0) << list.err.toStdString();
    EXPECT_EQ(list.out.count(QLatin1Char('\n')), 95);
    const CliRun utci = Shipped({QStringLiteral("help"), QStringLiteral("utci")});
    ASSERT_EQ(utci.status, 0) << utci.err.toStdString();
    EXPECT_TRUE(utci.out.startsWith(QStringLiteral("UTCI"))) << utci.out.left(200).toStdString();
    EXPECT_TRUE(utci.out.contains(QStringLiteral("Bröde")));   // its published source
    EXPECT_FALSE(utci.out.contains(QLatin1Char('<')));
    EXPECT_EQ(Shipped({QStringLiteral("help"), QStringLiteral("nosuch")}).status, 1);
}

TEST_F(CliTest, CalculatesTheComplexWayWithDescriptionColumns)
{
    Write(QStringLiteral("SALVENTO.INI"), "[Typicals]\nt=20\nv=2\n");
    Write(QStringLiteral("t.txt"), "place\tt\nHel\t10\nZakopane\t-5\nŁeba\t20");
    Write(QStringLiteral("v.txt"), "v\n1\n4");
    const CliRun run = Cli({QStringLiteral("calc"), QStringLiteral("--complex"), QStringLiteral("--indices"),
                            QStringLiteral("SB"), QStringLiteral("-o"), Path(QStringLiteral("out.txt")),
                            Path(QStringLiteral("t.txt::place")), Path(QStringLiteral("v.txt::row"))});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList lines = QString::fromUtf8(Read(QStringLiteral("out.txt"))).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], QStringLiteral("place\tGroup1\tSB"));
    EXPECT_EQ(lines[3], QStringLiteral("Zakopane\t1.000000\t1.526400"));   // (1 + 0.2)·(1 + 0.272)
    EXPECT_TRUE(lines[6].startsWith(QStringLiteral("Łeba\t2.000000\t")));
}

TEST_F(CliTest, RefusesTooManyCombinationsAndLeavesTheOutputAlone)
{
    QStringList arguments{QStringLiteral("calc"), QStringLiteral("--complex"), QStringLiteral("--indices"),
                          QStringLiteral("WCI"),  QStringLiteral("-o"),        Path(QStringLiteral("out.txt"))};
    Write(QStringLiteral("SALVENTO.INI"), "[Typicals]\nt=20\nv=2\n");
    for (const char* name : {"t", "v", "v10m", "td"}) {   // 256⁴ combinations
        QByteArray rows = QByteArray(name) + "\n";
        for (int r = 1; r <= 256; ++r)
            rows += QByteArray::number(r) + "\n";
        Write(QString::fromLatin1(name) + QStringLiteral(".txt"), rows);
        arguments << Path(QString::fromLatin1(name) + QStringLiteral(".txt"));
    }
    Write(QStringLiteral("out.txt"), "kept");
    const CliRun run = Cli(arguments);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("Tabela byłaby za duża"))) << run.err.toStdString();
    EXPECT_EQ(Read(QStringLiteral("out.txt")), QByteArray("kept"));
}

TEST_F(CliTest, RefusesIndicesItCannotCalculate)
{
    Write(QStringLiteral("SALVENTO.INI"), "[Typicals]\nt=20\nv=2\n");
    Write(QStringLiteral("weather.txt"), "t;v\n0;1");
    CliRun run = Cli({QStringLiteral("calc"), QStringLiteral("--indices"), QStringLiteral("WBGT"),
                      Path(QStringLiteral("weather.txt"))});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("WBGT"))) << run.err.toStdString();
    run = Cli({QStringLiteral("calc"), QStringLiteral("--indices"), QStringLiteral("nonsense"),
               Path(QStringLiteral("weather.txt"))});
    EXPECT_EQ(run.status, 1);
    Write(QStringLiteral("names.txt"), "station\nHel");
    run = Cli({QStringLiteral("calc"), Path(QStringLiteral("names.txt"))});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, QStringLiteral("Przykro mi, ale nie możesz policzyć żadnego wskaźnika !\n"));
    EXPECT_EQ(Cli({QStringLiteral("calc"), Path(QStringLiteral("weather.txt::row"))}).status, 2);
    EXPECT_EQ(
        Cli({QStringLiteral("calc"), QStringLiteral("--complex"), Path(QStringLiteral("weather.txt::nope"))}).status,
        2);
}

TEST_F(CliTest, TellsWhatIsPossible)
{
    Write(QStringLiteral("SALVENTO.INI"), "[Typicals]\nt=20\nv=2\n");
    CliRun run = Cli({QStringLiteral("possible"), QStringLiteral("--have"), QStringLiteral("t,V")});
    ASSERT_EQ(run.status, 0);
    const QStringList names = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_TRUE(names.contains(QStringLiteral("WCI")));
    EXPECT_FALSE(names.contains(QStringLiteral("t")));
    EXPECT_FALSE(names.contains(QStringLiteral("WBGT")));
    EXPECT_LT(names.indexOf(QStringLiteral("SB")), names.indexOf(QStringLiteral("WCT")));   // identifier order

    Write(QStringLiteral("wind.txt"), "v;x\n1;2");
    run = Cli({QStringLiteral("possible"), Path(QStringLiteral("wind.txt"))});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              QStringLiteral("Niestety, posiadane przez Ciebie dane nie pozwalają obliczyć żadnego wskaźnika !\n"));
    EXPECT_EQ(Cli({QStringLiteral("possible")}).status, 2);
}

// The example year with the shipped configuration: every index 23…94 in every row, and the result
// reads back unchanged.
TEST_F(CliTest, CalculatesEveryIndexForTheExampleYear)
{
    const QString example
        = QFileInfo(QStringLiteral(SALVENTO_CLI)).dir().filePath(QStringLiteral("examples/station-year.txt"));
    const CliRun run = Shipped(
        {QStringLiteral("calc"), example, QStringLiteral("-o"), Path(QStringLiteral("year.txt"))});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList lines = QString::fromUtf8(Read(QStringLiteral("year.txt"))).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 8761);
    const QStringList header = lines[0].split(QLatin1Char('\t'));
    EXPECT_EQ(header.size(), 72);
    EXPECT_EQ(header.first(), QStringLiteral("Tg"));
    EXPECT_EQ(header.last(), QStringLiteral("UTCI"));
    for (int c = 0; c < header.size(); ++c) {
        int empty = 0;
        for (int r = 1; r < lines.size(); ++r)
            empty += lines[r].split(QLatin1Char('\t'))[c].isEmpty();
        if (empty > 0)
            std::printf("%s: %d of 8760 rows empty\n", header[c].toUtf8().constData(), empty);
        EXPECT_LE(empty, 87) << header[c].toStdString();   // at most 1 %
    }

    ASSERT_EQ(Shipped({QStringLiteral("convert"), Path(QStringLiteral("year.txt")), Path(QStringLiteral("again.txt"))})
                  .status,
              0);
    EXPECT_EQ(Read(QStringLiteral("again.txt")), Read(QStringLiteral("year.txt")));

    // The results do not depend on the threads that calculate them (by default every core).
    ASSERT_EQ(Shipped({QStringLiteral("calc"), QStringLiteral("--threads"), QStringLiteral("1"), example,
                       QStringLiteral("-o"), Path(QStringLiteral("one.txt"))})
                  .status,
              0);
    EXPECT_EQ(Read(QStringLiteral("one.txt")), Read(QStringLiteral("year.txt")));
}

TEST_F(CliTest, PlotsTheThreeChartsAsPicturesOfTheSizeAsked)
{
    const QString example
        = QFileInfo(QStringLiteral(SALVENTO_CLI)).dir().filePath(QStringLiteral("examples/station-year.txt"));
    const QString year = Path(QStringLiteral("year.txt"));
    ASSERT_EQ(Shipped({QStringLiteral("calc"), QStringLiteral("-k"), QStringLiteral("--indices"),
                       QStringLiteral("UTCI"), example, QStringLiteral("-o"), year})
                  .status,
              0);
    // The width and height of a PNG picture, from its header.
    const auto pngSize = [this](const QString& name) {
        const QByteArray png = Read(name);
        const auto number = [&png](int at) { return qFromBigEndian<quint32>(png.constData() + at); };
        return png.startsWith("\x89PNG") && png.size() > 24 ? QSize(int(number(16)), int(number(20))) : QSize();
    };
    const QString plot = QStringLiteral("plot");
    const QString columns = QStringLiteral("--columns");
    const QString type = QStringLiteral("--type");
    const QString out = QStringLiteral("-o");
    ASSERT_EQ(Shipped({plot, year, columns, QStringLiteral("t,UTCI"), QStringLiteral("--size"),
                       QStringLiteral("640x480"), out, Path(QStringLiteral("series.png"))})
                  .status,
              0);
    EXPECT_EQ(pngSize(QStringLiteral("series.png")), QSize(640, 480));
    ASSERT_EQ(Shipped({plot, year, columns, QStringLiteral("UTCI"), type, QStringLiteral("calendar"), out,
                       Path(QStringLiteral("calendar.png"))})
                  .status,
              0);
    EXPECT_EQ(pngSize(QStringLiteral("calendar.png")), QSize(1000, 600));
    ASSERT_EQ(Shipped({plot, year, columns, QStringLiteral("t"), type, QStringLiteral("histogram"),
                       QStringLiteral("--freq"), QStringLiteral("width:5"), out, Path(QStringLiteral("t.svg"))})
                  .status,
              0);
    QXmlStreamReader svg(Read(QStringLiteral("t.svg")));
    while (!svg.atEnd())
        svg.readNext();
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();

    EXPECT_EQ(Shipped({plot, year, columns, QStringLiteral("t"), type, QStringLiteral("calendar"), out,
                       Path(QStringLiteral("x.png"))})
                  .status,
              1);   // t has no classes
    EXPECT_EQ(Shipped({plot, year, columns, QStringLiteral("t"), type, QStringLiteral("pie"), out,
                       Path(QStringLiteral("x.png"))})
                  .status,
              2);
}

// A weather file is opened as the Open command opens it: every row gets UTCI, and the weather type
// wherever the file gives the precipitation (the excerpt's April, not its 31 March).
TEST_F(CliTest, CalculatesFromAnEnergyPlusWeatherFile)
{
    const CliRun run = Shipped({QStringLiteral("calc"), QStringLiteral(SALVENTO_TEST_DATA "/chicago_excerpt.epw"),
                                QStringLiteral("-o"), Path(QStringLiteral("out.txt"))});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("Stacja Chicago Ohare Intl Ap, IL, USA: "))) << run.err.toStdString();
    const QStringList lines = QString::fromUtf8(Read(QStringLiteral("out.txt"))).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 73);
    const QStringList header = lines[0].split(QLatin1Char('\t'));
    const qsizetype utci = header.indexOf(QStringLiteral("UTCI"));
    const qsizetype weather = header.indexOf(QStringLiteral("Weather"));
    ASSERT_GE(utci, 0);
    ASSERT_GE(weather, 0);
    for (int r = 1; r < lines.size(); ++r) {
        const QStringList fields = lines[r].split(QLatin1Char('\t'));
        EXPECT_FALSE(fields[utci].isEmpty()) << r;
        EXPECT_EQ(fields[weather].isEmpty(), r <= 24) << r;
    }
}

TEST_F(CliTest, RefusesToWriteTheResultsOverAnInput)
{
    Write(QStringLiteral("SALVENTO.INI"), "[Typicals]\nt=20\nv=2\n");
    const QByteArray weather = "t;v\n0;1";
    Write(QStringLiteral("in.txt"), weather);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    ASSERT_TRUE(QFile::link(Path(QStringLiteral("in.txt")), Path(QStringLiteral("symlink.txt"))));
    ASSERT_EQ(::link(QFile::encodeName(Path(QStringLiteral("in.txt"))).constData(),
                     QFile::encodeName(Path(QStringLiteral("hardlink.txt"))).constData()),
              0);
    const struct
    {
        const char* output;
        const char* input;
        bool complex;
    } cases[] = {{"in.txt", "in.txt", false},
                 {"sub/../in.txt", "in.txt", false},
                 {"symlink.txt", "in.txt", false},
                 {"hardlink.txt", "in.txt", false},
                 {"in.txt", "in.txt::row", true}};
    for (const auto& c : cases) {
        QStringList arguments{QStringLiteral("calc"), QStringLiteral("-o"), Path(QString::fromLatin1(c.output)),
                              Path(QString::fromLatin1(c.input))};
        if (c.complex)
            arguments << QStringLiteral("--complex");
        const CliRun run = Cli(arguments);
        EXPECT_EQ(run.status, 1) << c.output;
        EXPECT_TRUE(run.err.contains(QStringLiteral("jest jednym z plików wejściowych"))) << run.err.toStdString();
        EXPECT_EQ(Read(QStringLiteral("in.txt")), weather) << c.output;
    }
}

TEST_F(CliTest, ReportsWhatCouldNotBeWrittenToStandardOutput)
{
    Write(QStringLiteral("SALVENTO.INI"), "[Typicals]\nt=20\nv=2\n");
    Write(QStringLiteral("in.txt"), "t;v\n0;1");
    QByteArray rows = "t;v\n";
    for (int i = 0; i < 20000; ++i)
        rows += QByteArray::number(i % 30) + ";1\n";
    Write(QStringLiteral("big.txt"), rows);
    const QString in = Path(QStringLiteral("in.txt"));
    const QStringList commands[] = {
        {QStringLiteral("--help")},
        {QStringLiteral("kinds")},
        {QStringLiteral("possible"), QStringLiteral("--have"), QStringLiteral("t,v")},
        {QStringLiteral("stats"), in},
        {QStringLiteral("find"), in, QStringLiteral("--number"), QStringLiteral("0")},
        {QStringLiteral("calc"), QStringLiteral("--indices"), QStringLiteral("SB"), in},
        {QStringLiteral("calc"), QStringLiteral("--indices"), QStringLiteral("SB"), Path(QStringLiteral("big.txt"))},
    };
    for (const QStringList& command : commands) {
        const CliRun run = Cli(command, QStringLiteral("/dev/full"));
        EXPECT_EQ(run.status, 1) << command.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.err.endsWith(QStringLiteral("Błąd podczas zapisu na standardowe wyjście !\n")))
            << run.err.toStdString();
    }
}

TEST_F(CliTest, RefusesOptionsOutsideTheirCommandAndSeparatorsThatMixWithNumbers)
{
    Write(QStringLiteral("in.txt"), "t;v\n0;1");
    const QString in = Path(QStringLiteral("in.txt"));
    const QString out = Path(QStringLiteral("out.txt"));
    const QStringList commands[] = {
        {QStringLiteral("kinds"), QStringLiteral("--upward")},
        {QStringLiteral("kinds"), QStringLiteral("--columns"), QStringLiteral("foo")},
        {QStringLiteral("calc"), QStringLiteral("--have"), QStringLiteral("t"), in},
        {QStringLiteral("convert"), in, out, QStringLiteral("-o"), out},
        {QStringLiteral("find"), in, QStringLiteral("--text"), QStringLiteral("a"), QStringLiteral("--precision"),
         QStringLiteral("1")},
        {QStringLiteral("find"), in, QStringLiteral("--number"), QStringLiteral("1"),
         QStringLiteral("--case-insensitive")},
        {QStringLiteral("possible"), QStringLiteral("--have"), QStringLiteral("t"), QStringLiteral("--dec-sep"),
         QStringLiteral(",")},
        {QStringLiteral("stats"), in, QStringLiteral("--columns"), QString()},
        {QStringLiteral("stats"), in, QStringLiteral("--columns"), QStringLiteral(" , ")},
        {QStringLiteral("calc"), QStringLiteral("--indices"), QString(), in},
        {QStringLiteral("--decimal-separator"), QStringLiteral("5"), QStringLiteral("kinds")},
        {QStringLiteral("--decimal-separator"), QStringLiteral("e"), QStringLiteral("kinds")},
        {QStringLiteral("--decimal-separator"), QStringLiteral("-"), QStringLiteral("kinds")},
        {QStringLiteral("--decimal-separator"), QStringLiteral("x"), QStringLiteral("kinds")},
        {QStringLiteral("convert"), in, out, QStringLiteral("--dec-sep"), QStringLiteral("+")},
        {QStringLiteral("convert"), in, out, QStringLiteral("--dec-sep"), QStringLiteral("E")},
        {QStringLiteral("convert"), in, out, QStringLiteral("--data-sep"), QStringLiteral("e")},
        {QStringLiteral("convert"), in, out, QStringLiteral("--data-sep"), QStringLiteral("0")},
        {QStringLiteral("convert"), in, out, QStringLiteral("--data-sep"), QStringLiteral(";;")},
    };
    for (const QStringList& command : commands) {
        const CliRun run = Cli(command);
        EXPECT_EQ(run.status, 2) << command.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("salvento-cli: "))) << run.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(out));
}

TEST_F(CliTest, SaysWhichConfigurationIsMissing)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("empty")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("folder/SALVENTO.INI")));   // cannot be read as a file
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("bin")));
    const QString copy = Path(QStringLiteral("bin/salvento-cli"));   // the tool without its configuration
    ASSERT_TRUE(QFile::copy(QStringLiteral(SALVENTO_CLI), copy));
    const struct
    {
        QStringList arguments;
        QString named;
    } cases[] = {
        {{QStringLiteral("--home"), Path(QStringLiteral("none"))}, Path(QStringLiteral("none"))},
        {{QStringLiteral("--home"), Path(QStringLiteral("empty"))}, Path(QStringLiteral("empty/SALVENTO.INI"))},
        {{QStringLiteral("--home"), Path(QStringLiteral("folder"))}, Path(QStringLiteral("folder/SALVENTO.INI"))},
        {{}, Path(QStringLiteral("bin/SALVENTO.INI"))},
    };
    for (const auto& c : cases) {
        const CliRun run = Run(copy, c.arguments + QStringList{QStringLiteral("kinds")});
        EXPECT_EQ(run.status, 1) << c.named.toStdString();
        EXPECT_TRUE(run.err.contains(c.named)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SALVENTO_CLANG_ASAN
#endif
#endif

TEST_F(CliTest, RunningOutOfMemoryIsReportedAndLeavesTheOutputAlone)
{
#if defined(__SANITIZE_ADDRESS__) || defined(SALVENTO_CLANG_ASAN)
    GTEST_SKIP() << "an address sanitizer needs more address space than the limit leaves";
#endif
    // 3,001 columns and 9,999 rows (30 million cells, within the largest table) from a 13 KB file,
    // loaded with at most 100 MB of address space.
    Write(QStringLiteral("wide.txt"), QByteArray(3000, '\t') + QByteArray(10000, '\n'));
    Write(QStringLiteral("out.txt"), "kept");
    Write(QStringLiteral("SALVENTO.INI"), QByteArray());
    const CliRun run = Run(QStringLiteral("/bin/sh"),
                           {QStringLiteral("-c"), QStringLiteral("ulimit -v 100000 && exec \"$0\" \"$@\""),
                            QStringLiteral(SALVENTO_CLI), QStringLiteral("--home"), dir.path(),
                            QStringLiteral("convert"), Path(QStringLiteral("wide.txt")),
                            Path(QStringLiteral("out.txt"))});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, QStringLiteral("Zabrakło pamięci do wykonania polecenia: zostało przerwane !\n"));
    EXPECT_EQ(Read(QStringLiteral("out.txt")), QByteArray("kept"));
}

TEST_F(CliTest, SpeaksTheStoredLanguage)
{
    const QString module = QFileInfo(QStringLiteral(SALVENTO_CLI)).dir().filePath(QStringLiteral("salvento.ENU"));
    if (!QFileInfo::exists(module))
        GTEST_SKIP() << "the English language module is not built";
    Write(QStringLiteral("SALVENTO.INI"), "[Options]\nLanguage=EN\n");
    const CliRun run = Cli(
        {QStringLiteral("convert"), Path(QStringLiteral("none.txt")), Path(QStringLiteral("out.txt"))});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, QStringLiteral("Cannot find the file \n"));
}

}   // namespace

namespace {

// Sets an environment variable for the life of the object; child processes inherit it.
class EnvironmentScope
{
public:
    EnvironmentScope(const char* name, const QByteArray& value)
        : m_name(name), m_saved(qgetenv(name)), m_was(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~EnvironmentScope()
    {
        if (m_was)
            qputenv(m_name, m_saved);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    QByteArray m_saved;
    bool m_was;
};

class CliStatsTest : public CliTest
{
protected:
    EnvironmentScope locale{"LC_ALL", "C"};   // the report's numbers follow the system's locale

    void SetUp() override { Write(QStringLiteral("a.txt"), "x;t;PMV\n2;10;-1\n4;100;0\n6;abc;1\n;;2\n"); }
    QString ExampleYear() const { return QStringLiteral(SALVENTO_RESOURCES "/examples/station-year.txt"); }
};

TEST_F(CliStatsTest, StatsPrintsTheReportOfTheColumnsAndRowsChosen)
{
    const CliRun run = Cli({QStringLiteral("stats"), Path(QStringLiteral("a.txt")), QStringLiteral("--columns"),
                            QStringLiteral("x"), QStringLiteral("--rows"), QStringLiteral("3:1"),
                            QStringLiteral("--freq"), QStringLiteral("count:2")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    // 2, 4, 6: mean 4, variance 4, s = 2; one threshold at 2 + (6 − 2)/2 = 4.
    EXPECT_EQ(run.out,
              QStringLiteral("\n"
                             "            Kolumna x\n"
                             "\n"
                             "Ilość wierszy:                   3  (od 1 do 3)\n"
                             "Ilość danych liczbowych:         3\n"
                             "w tym spoza dopuszcz. zakresu:   0\n"
                             "Ilość napisów:                   0\n"
                             "Suma:                              12.000\n"
                             "Minimalna wartość:                  2.000\n"
                             "Maksymalna wartość:                 6.000\n"
                             "Średnia arytmetyczna:               4.000 ± 1.155\n"
                             "Wariancja:                          4.000 ± 4.000\n"
                             "Odchylenie standardowe:             2.000 ± 1.000\n"
                             "'Coefficient of the variance':     50.000 %\n"
                             "\n"
                             "PRZEDZIAŁY CZĘSTOŚCI:\n"
                             "     1 razy: od -INFINITY do      3.99\n"
                             "     2 razy: od      4.00 do +INFINITY\n"));
}

TEST_F(CliStatsTest, StatsOfEveryColumnWithTheirDefaultModes)
{
    Write(QStringLiteral("SALVENTO.INI"),
          "[ThresholdsNamesPL]\nPMV=zimno,neutralnie,ciepło\n[Thresholds]\nPMV=-0.5,0.5\n");
    const CliRun run = Cli({QStringLiteral("stats"), Path(QStringLiteral("a.txt"))});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    EXPECT_EQ(lines.filter(QStringLiteral("Kolumna ")).size(), 3);
    EXPECT_EQ(lines.indexOf(QStringLiteral("Ilość wierszy:                   4  (od 1 do 4)")),
              3);                                                         // the whole column
    EXPECT_TRUE(lines.contains(QStringLiteral("     2 razy: ciepło")));   // PMV 1 and 2
    EXPECT_EQ(lines.filter(QStringLiteral("PRZEDZIAŁY")).size(), 1);

    EnvironmentScope polish{"LC_ALL", "pl_PL.UTF-8"};
    EXPECT_TRUE(
        Cli({QStringLiteral("stats"), Path(QStringLiteral("a.txt")), QStringLiteral("--columns"), QStringLiteral("x")})
            .out.contains(QStringLiteral("Suma:                              12,000\n")));
}

TEST_F(CliStatsTest, LoadingTellsOfTextWhereAKindExpectsNumbersUnlessQuiet)
{
    const QStringList stats{QStringLiteral("stats"), Path(QStringLiteral("a.txt")), QStringLiteral("--columns"),
                            QStringLiteral("x")};
    const CliRun run = Cli(stats);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.contains(QStringLiteral("nie zawierają liczb: t: 1 (razem 1)"))) << run.err.toStdString();
    const CliRun quiet = Cli(QStringList{QStringLiteral("--quiet")} + stats);
    EXPECT_EQ(quiet.status, 0);
    EXPECT_EQ(quiet.err, QString());
    EXPECT_EQ(quiet.out, run.out);
}

TEST_F(CliStatsTest, StatsRefusesSettingsTheDialogRefuses)
{
    const QString in = Path(QStringLiteral("a.txt"));
    CliRun run = Cli({QStringLiteral("stats"), in, QStringLiteral("--columns"), QStringLiteral("x"),
                      QStringLiteral("--freq"), QStringLiteral("width:szeroko")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.endsWith(QStringLiteral("Pole 'szerokość przedziału' musi zawierać liczbę rzeczywistą !\n")));
    EXPECT_TRUE(run.out.isEmpty());

    run = Cli({QStringLiteral("--decimal-separator"), QStringLiteral(","), QStringLiteral("stats"), in,
               QStringLiteral("--columns"), QStringLiteral("x"), QStringLiteral("--freq"),
               QStringLiteral("user:1,5,2")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.endsWith(
        QStringLiteral("Pole 'progi użytkownika' musi zawierać liczby rzeczywiste oddzielone znakami ';' !\n")));

    EXPECT_EQ(Cli({QStringLiteral("stats"), in, QStringLiteral("--columns"), QStringLiteral("x"),
                   QStringLiteral("--freq"), QStringLiteral("standard")})
                  .status,
              1);   // a plain column has no classes
    EXPECT_EQ(Cli({QStringLiteral("stats"), in, QStringLiteral("--freq"), QStringLiteral("sideways")}).status, 2);
    EXPECT_EQ(Cli({QStringLiteral("stats"), in, QStringLiteral("--columns"), QStringLiteral("nope")}).status, 2);
    EXPECT_EQ(Cli({QStringLiteral("stats"), in, QStringLiteral("--rows"), QStringLiteral("1-3")}).status, 2);
}

TEST_F(CliStatsTest, StatsOnTheExampleYear)
{
    const CliRun run = Cli({QStringLiteral("stats"), ExampleYear(), QStringLiteral("--columns"), QStringLiteral("t"),
                            QStringLiteral("--freq"), QStringLiteral("count:4")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    // Counted from the file itself: 8760 hourly temperatures from −10.9 to 28.0 °C; the thresholds
    // −10.9 + k·38.9/4 are −1.175, 8.55 and 18.275.
    EXPECT_EQ(lines[3], QStringLiteral("Ilość wierszy:                 8760  (od 1 do 8760)"));
    EXPECT_EQ(lines[4], QStringLiteral("Ilość danych liczbowych:       8760"));
    EXPECT_EQ(lines[8], QStringLiteral("Minimalna wartość:                -10.900"));
    EXPECT_EQ(lines[9], QStringLiteral("Maksymalna wartość:                28.000"));
    ASSERT_EQ(lines.size(), 21);   // the last line ends with its own line feed
    EXPECT_TRUE(lines[16].startsWith(QStringLiteral("   1177 razy: od -INFINITY do ")));
    EXPECT_TRUE(lines[17].startsWith(QStringLiteral("   3374 razy: od ")));
    EXPECT_TRUE(lines[18].startsWith(QStringLiteral("   3014 razy: od ")));
    EXPECT_TRUE(lines[19].startsWith(QStringLiteral("   1195 razy: od ")));
    EXPECT_TRUE(lines[19].endsWith(QStringLiteral(" do +INFINITY")));
}

TEST_F(CliStatsTest, FindListsEveryCellInSearchOrder)
{
    const QString in = Path(QStringLiteral("a.txt"));
    CliRun run = Cli({QStringLiteral("find"), in, QStringLiteral("--missing")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("x\t4\nt\t3\nt\t4\n"));
    run = Cli({QStringLiteral("find"), in, QStringLiteral("--missing"), QStringLiteral("--upward")});
    EXPECT_EQ(run.out, QStringLiteral("t\t4\nt\t3\nx\t4\n"));

    run = Cli({QStringLiteral("find"), in, QStringLiteral("--number"), QStringLiteral("-1"),
               QStringLiteral("--precision"), QStringLiteral("1.5")});
    EXPECT_EQ(run.out, QStringLiteral("PMV\t1\nPMV\t2\n"));   // |−1 − (−1)| and |0 − (−1)| are below 1.5
    run = Cli({QStringLiteral("find"), in, QStringLiteral("--text"), QStringLiteral("ABC"),
               QStringLiteral("--case-insensitive")});
    EXPECT_EQ(run.out, QStringLiteral("t\t3\n"));
    run = Cli({QStringLiteral("find"), in, QStringLiteral("--intervals"), QStringLiteral("INF_0;5_INF"),
               QStringLiteral("--column"), QStringLiteral("x")});
    EXPECT_EQ(run.out, QStringLiteral("x\t3\n"));
}

TEST_F(CliStatsTest, ListingsAsJsonCarryTheNumbersOfTheText)
{
    Write(QStringLiteral("SALVENTO.INI"), "[Typicals]\nt=20\nv=2\n");
    const QString in = Path(QStringLiteral("a.txt"));
    const auto json = [this](const QStringList& arguments) {
        const CliRun run = Cli(arguments + QStringList{QStringLiteral("--json")});
        QJsonParseError error{};
        const QJsonObject document = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
        EXPECT_EQ(error.error, QJsonParseError::NoError) << arguments.join(u' ').toStdString();
        return document;
    };
    // As the report of the first test: 2, 4, 6 with one threshold at 4.
    const QJsonObject x = json({QStringLiteral("stats"), in, QStringLiteral("--columns"), QStringLiteral("x"),
                                QStringLiteral("--rows"), QStringLiteral("3:1"), QStringLiteral("--freq"),
                                QStringLiteral("count:2")})[QStringLiteral("columns")][0]
                              .toObject();
    EXPECT_EQ(x[QStringLiteral("numbers")].toInt(), 3);
    EXPECT_EQ(x[QStringLiteral("mean")].toDouble(), 4.0);
    EXPECT_EQ(x[QStringLiteral("deviation")].toDouble(), 2.0);
    const QJsonArray intervals = x[QStringLiteral("intervals")].toArray();
    ASSERT_EQ(intervals.size(), 2);
    EXPECT_TRUE(intervals[0][QStringLiteral("from")].isNull());
    EXPECT_EQ(intervals[0][QStringLiteral("below")].toDouble(), 4.0);
    EXPECT_EQ(intervals[1][QStringLiteral("count")].toInt(), 2);

    const QJsonArray found
        = json({QStringLiteral("find"), in, QStringLiteral("--missing")})[QStringLiteral("found")].toArray();
    ASSERT_EQ(found.size(), 3);   // x 4, t 3, t 4 as the text gives them
    EXPECT_EQ(found[1][QStringLiteral("text")].toString(), QStringLiteral("abc"));
    EXPECT_EQ(json({QStringLiteral("kinds")})[QStringLiteral("kinds")].toArray().size(), 108);
    EXPECT_EQ(
        json({QStringLiteral("possible"), QStringLiteral("--have"), QStringLiteral("t,v")})[QStringLiteral("possible")]
            .toArray()
            .size(),
        Cli({QStringLiteral("possible"), QStringLiteral("--have"), QStringLiteral("t,v")})
            .out.count(QLatin1Char('\n')));
}

TEST_F(CliStatsTest, FindReportsWhatItCannotFind)
{
    Write(QStringLiteral("SALVENTO.INI"),
          "[ThresholdsNamesPL]\nPMV=zimno,neutralnie,ciepło\n[Thresholds]\nPMV=-0.5,0.5\n");
    const QString in = Path(QStringLiteral("a.txt"));
    CliRun run = Cli({QStringLiteral("find"), in, QStringLiteral("--text"), QStringLiteral("zzz")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.endsWith(
        QStringLiteral("Komórka zawierająca podany tekst nie została znaleziona w bieżącej tabeli !\n")));
    EXPECT_TRUE(run.out.isEmpty());

    run = Cli({QStringLiteral("find"), in, QStringLiteral("--classes"), QStringLiteral("1"), QStringLiteral("--column"),
               QStringLiteral("pmv")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, QStringLiteral("PMV\t2\n"));   // only 0 lies within −0.5 … 0.5

    run = Cli({QStringLiteral("find"), in, QStringLiteral("--intervals"), QStringLiteral("1;2")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Błędny format pola 'Przedziały'")));
    EXPECT_EQ(Cli({QStringLiteral("find"), in, QStringLiteral("--classes"), QStringLiteral("0")}).status, 2);
    EXPECT_EQ(Cli({QStringLiteral("find"), in, QStringLiteral("--classes"), QStringLiteral("3"),
                   QStringLiteral("--column"), QStringLiteral("PMV")})
                  .status,
              1);
    EXPECT_EQ(Cli({QStringLiteral("find"), in, QStringLiteral("--missing"), QStringLiteral("--bad")}).status, 2);
    EXPECT_EQ(Cli({QStringLiteral("find"), in}).status, 2);
}

TEST_F(CliStatsTest, FindOnTheExampleYear)
{
    // From the file: the temperatures of 27.5 °C and more are in rows 4217, 4912, 4935 and 4936.
    const CliRun run = Cli({QStringLiteral("find"), ExampleYear(), QStringLiteral("--intervals"),
                            QStringLiteral("27.5_INF"), QStringLiteral("--column"), QStringLiteral("t"),
                            QStringLiteral("--upward")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("t\t4936\nt\t4935\nt\t4912\nt\t4217\n"));
}

}   // namespace
