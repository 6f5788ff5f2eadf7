// The CD-TEXT packs: decoded by libburn's own decoder (cdrskin) they give
// back the texts; every pack carries its CRC; a block refuses characters it
// has no code for and texts beyond its capacity.
#include "cd_text_packs.h"
#include "cp932.h"
#include "temp_dir.h"
#include "wav_builder.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <filesystem>

using testsupport::TempDir;

namespace {

constexpr int PackBytes = 18;

// cdrskin refuses to run as root; as root it runs as the user nobody, which
// may read the file and its folder.
std::optional<QByteArray> decodeWithCdrskin(const QByteArray& file, const TempDir& dir)
{
    const auto path = dir / "disc.cdt";
    testsupport::writeFile(path, std::vector<uint8_t>(file.begin(), file.end()));
    namespace fs = std::filesystem;
    fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                              fs::perms::others_read);
    QStringList command{QStringLiteral("cdrskin"), QStringLiteral("textfile_to_v07t=") + QString::fromStdString(path)};
    if (geteuid() == 0) {
        if (getpwnam("nobody") == nullptr)
            return std::nullopt;
        command = QStringList{QStringLiteral("-u"), QStringLiteral("nobody"), QStringLiteral("--")} + command;
        command.prepend(QStringLiteral("runuser"));
    }
    QProcess cdrskin;
    cdrskin.start(command.takeFirst(), command);
    EXPECT_TRUE(cdrskin.waitForFinished(60000));
    EXPECT_EQ(cdrskin.exitCode(), 0) << cdrskin.readAllStandardError().toStdString();
    return cdrskin.readAllStandardOutput();
}

// "Name = value" lines of the decoder's sheet, the values in the block's code.
QMap<QString, QString> sheetValues(const QByteArray& sheet, bool cp932)
{
    QMap<QString, QString> values;
    for (const QByteArray& line : sheet.split('\n')) {
        const qsizetype equals = line.indexOf(" = ");
        if (equals < 0 || line.startsWith("cdrskin"))
            continue;
        const QByteArray value = line.mid(equals + 3);
        values.insert(QString::fromLatin1(line.left(equals)).trimmed(),
                      cp932 ? DecodeCp932(value).value_or(QStringLiteral("?")) : QString::fromLatin1(value));
    }
    return values;
}

}  // namespace

TEST(CdTextPacks, CrcMatchesThePublishedSizePacks)
{
    // Three size-information packs of a published example disc with their CRCs.
    const char* packs[] = {"8f 00 2a 00 01 01 03 00 06 05 04 05 07 06 01 02 48 65",
                           "8f 01 2b 00 00 00 00 00 00 00 06 03 2c 00 00 00 c0 20",
                           "8f 02 2c 00 00 00 00 00 09 00 00 00 00 00 00 00 11 45"};
    for (const char* hex : packs) {
        const QByteArray pack = QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
        EXPECT_EQ(CdTextCrc(pack), (quint8(pack[16]) << 8) | quint8(pack[17])) << hex;
    }
}

TEST(CdTextPacks, CdrskinDecodesTheTextsOfLatinAndJapaneseDiscs)
{
    const struct {
        CdTextSet texts;
        CdTextCharset charset;
        QStringList decoded;  // as the decoder names them, in the block's characters
        const char* textCode;
        const char* language;
    } rows[] = {
        {{{"Süße Stücke", "Jürgen & Co"}, {{"Intro", "Jürgen"}, {"Café au lait, a long title over packs", ""}}},
         CdTextCharset::Latin1,
         {"Süße Stücke", "Jürgen & Co", "Intro", "Jürgen", "Café au lait, a long title over packs", ""},
         "8859",
         "English"},
        {{{"夜明けのうた Best", "山田 花子"},
          {{"はじまり", "山田 花子"},
           {"とても長いタイトルが三つ以上のパックに続いていきます", "ﾔﾏﾀﾞ"},
           {"CD 2", ""}}},
         CdTextCharset::MsJis,
         {"夜明けのうた　Ｂｅｓｔ", "山田　花子", "はじまり", "山田　花子",
          "とても長いタイトルが三つ以上のパックに続いていきます", "ヤマダ", "ＣＤ　２", ""},
         "MS-JIS",
         "Japanese"},
    };
    for (const auto& row : rows) {
        const CdTextSet& texts = row.texts;
        const CdTextPacks packs = BuildCdTextPacks(texts);
        ASSERT_TRUE(packs.writable()) << row.textCode;
        EXPECT_EQ(packs.charset, row.charset);
        const QByteArray& file = packs.file;
        EXPECT_EQ((quint8(file[0]) << 8 | quint8(file[1])), file.size() - 2);
        for (qsizetype at = 4; at < file.size(); at += PackBytes) {
            const QByteArrayView pack(file.constData() + at, PackBytes);
            EXPECT_EQ(CdTextCrc(pack), (quint8(pack[16]) << 8) | quint8(pack[17])) << "pack at " << at;
            EXPECT_EQ(quint8(pack[2]), (at - 4) / PackBytes);
            const bool textPack = quint8(pack[0]) != 0x8F;
            EXPECT_EQ(bool(quint8(pack[3]) & 0x80), textPack && row.charset == CdTextCharset::MsJis);
        }

        const TempDir dir;
        const auto sheet = decodeWithCdrskin(file, dir);
        if (!sheet)
            GTEST_SKIP() << "running as root and no user nobody to run cdrskin as";
        const auto values = sheetValues(*sheet, row.charset == CdTextCharset::MsJis);
        QStringList decoded{values.value("Album Title"), values.value("Artist Name")};
        for (int track = 1; track <= texts.tracks.size(); ++track) {
            const QString number = QStringLiteral("%1").arg(track, 2, 10, QChar(u'0'));
            decoded << values.value("Track " + number + " Title") << values.value("Track " + number + " Artist");
        }
        EXPECT_EQ(decoded, row.decoded) << sheet->toStdString();
        EXPECT_EQ(values.value("Text Code"), row.textCode);
        EXPECT_EQ(values.value("Language Code"), row.language);
    }
}

TEST(CdTextPacks, RefusesCharactersWithoutACodeAndTextsBeyondTheBlock)
{
    CdTextSet full{{"Disc", ""}, {}};
    for (int track = 1; track <= 30; ++track)
        full.tracks.append({QString(60, u'x'), QString(40, u'y')});
    const struct {
        CdTextSet texts;
        QList<CdTextFault> faults;
        bool fits;
    } rows[] = {
        {{{"Disc", ""}, {{"Song 😀", ""}}}, {{0, CdTextField::Title, "😀"}}, true},
        {{{"夜明け", ""}, {{"歌", "Jürgen"}}}, {{0, CdTextField::Performer, "ü"}}, true},
        {{{"Line\nbreak", ""}, {{"a", ""}}}, {{std::nullopt, CdTextField::Title, "\n"}}, true},
        {full, {}, false},
    };
    for (const auto& row : rows) {
        const CdTextPacks packs = BuildCdTextPacks(row.texts);
        EXPECT_EQ(packs.faults, row.faults) << row.texts.tracks[0].title.toStdString();
        EXPECT_EQ(packs.fits(), row.fits);
        EXPECT_TRUE(packs.file.isEmpty());
    }
}
