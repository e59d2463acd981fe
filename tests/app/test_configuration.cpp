#include "app/configuration.h"
#include "app/settings_store.h"
#include "clock/port_device.h"
#include "link_rig.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(SerialPortEntry)

// One configuration over a fresh settings file and a fake port.
struct Rig : LinkRig {
    QTemporaryDir dir;
    QSettings settings{dir.filePath(QStringLiteral("Tamrel.conf")), QSettings::IniFormat};
    SettingsStore store{settings};
    Configuration config{store, link, prompter};
    QString title;

    Rig() { config.setTitleSink([this](const QString &t) { title = t; }); }
    void store_(const QString &key, const QString &value)
    {
        settings.setValue(QStringLiteral("Config/") + key, value);
        settings.sync();
    }
    QString stored(const QString &key) { return settings.value(QStringLiteral("Config/") + key).toString(); }
};

class TestConfiguration : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        qputenv("TAMREL_COM1", QByteArray("/dev/null"));
        qputenv("TAMREL_COM7", QByteArray("/dev/null"));
    }

    void emptyStoreGivesDefaults()
    {
        Rig r;
        QVERIFY(r.config.LoadSettings());
        const ConfigFields &f = r.config.fields();
        QCOMPARE(QStringList({f.nationalOrg, f.concourse, f.combine, f.combineName, f.comPort}),
                 QStringList({"AU", "0000", "00", "Default", "1"}));
        QCOMPARE(r.title, QStringLiteral("Tamrel     Concourse = 0000 Combine = 00"));
        QCOMPARE(r.link.portNumber(), 1);
        // A first run writes nothing until the user saves.
        QVERIFY(r.settings.allKeys().isEmpty());
    }

    void storedForms_data()
    {
        QTest::addColumn<QString>("concourse");
        QTest::addColumn<QString>("combine");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("expected");   // Concourse, Combine, CombineName
        QTest::newRow("typed short") << "7b" << "3" << "North" << QStringList{"7B00", "30", "North               "};
        QTest::newRow("underscore kept") << "a_" << "_" << "x" << QStringList{"A_00", "_0", "x                   "};
        QTest::newRow("empty name") << "1234" << "99" << "" << QStringList{"1234", "99", "Default             "};
        QTest::newRow("blank name") << "1234" << "99" << "   " << QStringList{"1234", "99", "Default             "};
    }

    void storedForms()
    {
        QFETCH(QString, concourse);
        QFETCH(QString, combine);
        QFETCH(QString, name);
        QFETCH(QStringList, expected);
        Rig r;
        r.config.windowOpened();
        ConfigFields &f = r.config.editableFields();
        f.concourse = concourse;
        f.combine = combine;
        f.combineName = name;
        QVERIFY(r.config.SaveSettings());
        QCOMPARE(QStringList({r.stored("Concourse"), r.stored("Combine"), r.stored("CombineName")}), expected);
        QCOMPARE(r.stored("NationalOrg"), QStringLiteral("AU"));
        QCOMPARE(r.stored("ComPorts"), QStringLiteral("1"));
        // A user who never chose a device by name finds no key for one.
        QVERIFY(!r.settings.contains(QStringLiteral("Config/ComDevice")));
    }

    void handEditedValuesAreFitted_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("field");
        QTest::newRow("unknown organisation") << "NationalOrg" << "ZZ" << "AU";
        QTest::newRow("known organisation") << "NationalOrg" << "MX" << "MX";
        QTest::newRow("concourse junk") << "Concourse" << "1-2 3!45" << "1234";
        QTest::newRow("combine too long") << "Combine" << "ABCDEF" << "AB";
        QTest::newRow("name too long") << "CombineName" << QString(40, QLatin1Char('n')) << QString(20, QLatin1Char('n'));
        QTest::newRow("port with letters") << "Comports" << "7x" << "7";
    }

    void handEditedValuesAreFitted()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, field);
        Rig r;
        r.store_(key, value);
        r.config.LoadSettings();
        const ConfigFields &f = r.config.fields();
        const QHash<QString, QString> fields{{"NationalOrg", f.nationalOrg}, {"Concourse", f.concourse},
                                             {"Combine", f.combine}, {"CombineName", f.combineName},
                                             {"Comports", f.comPort}};
        QCOMPARE(fields.value(key), field);
    }

    void keysIgnoreCase()
    {
        Rig r;
        r.store_(QStringLiteral("COMPORTS"), QStringLiteral("7"));
        r.store_(QStringLiteral("concourse"), QStringLiteral("ABCD"));
        r.config.LoadSettings();
        QCOMPARE(r.config.fields().comPort, QStringLiteral("7"));
        QCOMPARE(r.link.portNumber(), 7);
        QCOMPARE(r.config.fields().concourse, QStringLiteral("ABCD"));
        r.config.windowOpened();
        r.config.SaveSettings();
        // Written once under its own spelling; the old spelling is gone.
        QCOMPARE(r.stored("ComPorts"), QStringLiteral("7"));
        QVERIFY(!r.settings.contains(QStringLiteral("Config/COMPORTS")));
        QVERIFY(!r.settings.contains(QStringLiteral("Config/concourse")));
        QCOMPARE(r.stored("Concourse"), QStringLiteral("ABCD"));
    }

    void titleShowsFieldUntilReread()
    {
        Rig r;
        r.config.LoadSettings();
        r.config.windowOpened();
        r.config.editableFields().concourse = QStringLiteral("12");
        r.config.SaveSettings();
        QCOMPARE(r.title, QStringLiteral("Tamrel     Concourse = 12 Combine = 00"));
        r.config.windowClosed();
        r.config.loadIfSaved();
        QCOMPARE(r.config.fields().concourse, QStringLiteral("1200"));
        QCOMPARE(r.title, QStringLiteral("Tamrel     Concourse = 1200 Combine = 00"));
    }

    void newPortNumber_data()
    {
        QTest::addColumn<bool>("saveButton");   // else the close box
        QTest::newRow("save button") << true;
        QTest::newRow("close box") << false;
    }

    // Both store the number; the save button closes the port to take it at once,
    // the close box leaves an open port as it is until the next load.
    void newPortNumber()
    {
        QFETCH(bool, saveButton);
        Rig r;
        r.port.setResponder([](const QByteArray &) { return QList<FakeSerialPort::Piece>{{2, "\x06"}}; });
        r.config.LoadSettings();
        r.link.SendCommand("v");
        r.config.windowOpened();
        r.config.editableFields().comPort = QStringLiteral("7");
        bool closed = false;
        if (saveButton) {
            r.config.saveAndApply([&] { closed = true; });
        } else {
            r.config.windowClosed();
            r.config.loadIfSaved();
        }
        QCOMPARE(closed, saveButton);
        QCOMPARE(r.stored("ComPorts"), QStringLiteral("7"));
        QCOMPARE(r.link.isPortOpen(), !saveButton);
        QCOMPARE(r.link.portNumber(), saveButton ? 7 : 1);
        r.link.closePort();
        r.config.LoadSettings();
        QCOMPARE(r.link.portNumber(), 7);
    }

    void badPortNumberStopsLoad()
    {
        Rig r;
        r.store_(QStringLiteral("Comports"), QStringLiteral("00"));
        r.store_(QStringLiteral("Concourse"), QStringLiteral("9999"));
        QVERIFY(!r.config.LoadSettings());
        QCOMPARE(r.prompter.texts(),
            QStringList{QStringLiteral("Invalid comport number00\r\n"
                                       "Check to see that the Tamrel is connected and turned on.")});
        QVERIFY(r.title.isEmpty());
        QCOMPARE(r.config.fields().concourse, QStringLiteral("9999"));
    }

    void writeFailureIsReported()
    {
        Rig r;
        // A folder where the settings file should be: nothing can be written.
        QVERIFY(QDir(r.dir.path()).mkdir(QStringLiteral("Tamrel.conf")));
        r.config.LoadSettings();
        QVERIFY(!r.config.SaveSettings());
        QCOMPARE(r.prompter.texts().size(), 1);
        QVERIFY(r.prompter.texts()[0].startsWith(QStringLiteral("Error ")));
        QVERIFY(r.prompter.texts()[0].endsWith(QStringLiteral("Cannot write configuration settings.")));
    }

    // Told once; the next save writes every key, the damaged file stays.
    void damagedFileIsSetAside()
    {
        Rig r;
        const QString path = r.settings.fileName();
        QFile damaged(path);
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("[Config\nCombine=12\n") > 0);
        damaged.close();
        r.settings.sync();
        QVERIFY(r.config.LoadSettings());
        r.config.windowOpened();
        QCOMPARE(r.config.fields().combine, QStringLiteral("00"));
        QCOMPARE(r.prompter.texts().size(), 1);
        QVERIFY(r.prompter.texts()[0].contains(QStringLiteral("Tamrel.conf.damaged")));
        QVERIFY(r.config.SaveSettings());
        QCOMPARE(QSettings(path, QSettings::IniFormat).allKeys().size(), 5);
        QFile kept(path + QStringLiteral(".damaged"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("[Config\nCombine=12\n"));
    }

    void portByName_data()
    {
        QTest::addColumn<SerialPortEntry>("entry");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("environment");   // TAMREL_COM1
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("inUse");
        const QString byId = QStringLiteral("/dev/serial/by-id/usb-Maker_Adapter_A1-if00");
        const QStringList usb0 = {"/dev/ttyUSB0"};
        QTest::newRow("USB adapter") << SerialPortEntry{"/dev/ttyUSB0", "UART", "Maker", byId} << usb0 << QString() << 1
                                     << QString() << "/dev/ttyUSB0";
        QTest::newRow("ACM behind a USB of its number")
            << SerialPortEntry{"/dev/ttyACM0", "", "", byId} << QStringList{"/dev/ttyUSB0", "/dev/ttyACM0"} << QString()
            << 0 << byId << byId;
        QTest::newRow("ACM alone") << SerialPortEntry{"/dev/ttyACM1", "", "", byId} << QStringList{"/dev/ttyACM1"}
                                   << QString() << 2 << QString() << "/dev/ttyACM1";
        QTest::newRow("built-in port") << SerialPortEntry{"/dev/ttyS3", "", "", ""} << QStringList{} << QString() << 4
                                       << QString() << "/dev/ttyS3";
        QTest::newRow("ttyS behind a USB") << SerialPortEntry{"/dev/ttyS0", "", "", ""} << usb0 << QString() << 0
                                           << "/dev/ttyS0" << "/dev/ttyS0";
        QTest::newRow("no numbered name") << SerialPortEntry{"/dev/rfcomm0", "", "", ""} << QStringList{} << QString()
                                          << 0 << "/dev/rfcomm0" << "/dev/rfcomm0";
        QTest::newRow("beyond two digits") << SerialPortEntry{"/dev/ttyUSB120", "", "", ""} << QStringList{} << QString()
                                           << 0 << "/dev/ttyUSB120" << "/dev/ttyUSB120";
        QTest::newRow("environment wins") << SerialPortEntry{"/dev/ttyUSB0", "", "", byId} << usb0 << "/tmp/sim-link"
                                          << 0 << byId << "/tmp/sim-link";
    }

    void portByName()
    {
#ifdef Q_OS_WIN
        QSKIP("device names of Linux");
#endif
        QFETCH(SerialPortEntry, entry);
        QFETCH(QStringList, present);
        QFETCH(QString, environment);
        QFETCH(QString, kept);
        const QByteArray before = qgetenv("TAMREL_COM1");
        qputenv("TAMREL_COM1", environment.toLocal8Bit());
        const DeviceExistsCheck exists = [&](const QString &device) { return present.contains(device); };
        const PortChoice choice = ChoosePort(entry, exists);
        const QString inUse = DeviceInUse(choice.number > 0 ? choice.number : 1, choice.device, exists);
        qputenv("TAMREL_COM1", before);
        QTEST(choice.number, "number");
        QCOMPARE(choice.device, kept);
        QTEST(inUse, "inUse");
    }
};

QTEST_GUILESS_MAIN(TestConfiguration)
#include "test_configuration.moc"
