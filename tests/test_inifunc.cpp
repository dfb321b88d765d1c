// The settings reader: what it finds, and that bad files never give a value
// by accident or touch the caller's text.
#include "core/inifunc.h"

#include <QTemporaryDir>
#include <QTest>

#include <fstream>

class IniTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;

    std::string Write(const std::string& bytes)
    {
        const std::string path = dir.filePath(QStringLiteral("tesmar.ini")).toStdString();
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        return path;
    }

private slots:
    void reads_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("plain") << QByteArray("[App]\r\nHP=https://a.example/\r\n") << QByteArray("https://a.example/");
        QTest::newRow("letter case") << QByteArray("[app]\nhp=x\n") << QByteArray("x");
        QTest::newRow("upper case") << QByteArray("[APP]\nHp=x") << QByteArray("x");
        QTest::newRow("no line end") << QByteArray("[App]\nHP=last") << QByteArray("last");
        QTest::newRow("blanks") << QByteArray("  [ App ]  \n  HP  =  v w  \n") << QByteArray("v w");
        QTest::newRow("quotes") << QByteArray("[App]\nHP=\"q r\"\n") << QByteArray("q r");
        QTest::newRow("one quote kept") << QByteArray("[App]\nHP=\"q\n") << QByteArray("\"q");
        QTest::newRow("equals in value") << QByteArray("[App]\nHP=a=b;c\n") << QByteArray("a=b;c");
        QTest::newRow("empty value") << QByteArray("[App]\nHP=\n") << QByteArray("");
        QTest::newRow("first duplicate") << QByteArray("[App]\nHP=one\nHP=two\n") << QByteArray("one");
        QTest::newRow("first section") << QByteArray("[App]\nX=1\n[Other]\nHP=no\n[app]\nHP=no\n")
                                       << QByteArray("<untouched>");
        QTest::newRow("other sections first")
            << QByteArray("[A]\nHP=no\n[App]\n;HP=comment\nHP=yes\n") << QByteArray("yes");
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[App]\nHP=bom\n") << QByteArray("bom");
        QTest::newRow("no section") << QByteArray("HP=x\n") << QByteArray("<untouched>");
        QTest::newRow("no key") << QByteArray("[App]\nHPX=x\nH=y\n") << QByteArray("<untouched>");
        QTest::newRow("empty file") << QByteArray("") << QByteArray("<untouched>");
        QTest::newRow("unclosed header") << QByteArray("[App\nHP=x\n") << QByteArray("<untouched>");
        QTest::newRow("zero byte") << QByteArray("[App]\nHP=ab\0cd\n", 16) << QByteArray("ab");
        QTest::newRow("binary") << QByteArray("\x00\xff\x01[\x80]\n=\n\x7f", 10) << QByteArray("<untouched>");
    }
    void reads()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, value);
        std::string result = "<untouched>";
        const bool found = ReadIniString(result, Write(file.toStdString()), "App", "HP");
        QCOMPARE(QByteArray::fromStdString(result), value);
        QCOMPARE(found, value != "<untouched>");
    }

    void valueIsCutAt2047Characters()
    {
        const std::string big(100 * 1024, 'v');
        std::string result;
        QVERIFY(ReadIniString(result, Write("[App]\nHP=" + big + "\n[B]\n"), "App", "HP"));
        QCOMPARE(result, big.substr(0, 2047));
        QVERIFY(ReadIniString(result, Write("[App]\nHP=" + big.substr(0, 2047)), "app", "hp"));
        QCOMPARE(result.size(), std::size_t(2047));
    }

    void refusesEmptyNamesAndMissingFiles()
    {
        const std::string path = Write("[App]\nHP=x\n");
        std::string result = "keep";
        QVERIFY(!ReadIniString(result, "", "App", "HP"));
        QVERIFY(!ReadIniString(result, path, "", "HP"));
        QVERIFY(!ReadIniString(result, path, "App", ""));
        QVERIFY(!ReadIniString(result, dir.filePath(QStringLiteral("none.ini")).toStdString(), "App", "HP"));
        QVERIFY(!ReadIniString(result, dir.path().toStdString(), "App", "HP")); // a folder
        QCOMPARE(result, std::string("keep"));
        QVERIFY(ReadIniString(result, path, "App", "HP"));
        QCOMPARE(result, std::string("x"));
    }
};

QTEST_APPLESS_MAIN(IniTest)
#include "test_inifunc.moc"
