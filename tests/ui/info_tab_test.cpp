// The "Info" tab's link labels turn blue under the mouse and stay blue until
// the mouse crosses the bare panel; a click opens the label's address; a flag
// chooses its language.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "tab_fixture.h"
#include "ui/tabs/info_tab.h"

using Fixture = tavu::testing::TabFixture<tavu::ui::InfoTab>;

namespace {

const QColor kBlue(0, 0, 255);
const QColor kText(0, 0, 0);

QColor Shown(const Fixture& f, const char* label) {
  return f.find<QLabel>(label)->palette().color(QPalette::WindowText);
}

}  // namespace

class InfoTabTest : public QObject {
  Q_OBJECT
 private slots:
  void labelsShowTheirAddresses();
  void aLabelStaysBlueUntilTheMouseCrossesTheBarePanel();
  void aClickOpensTheLabelsAddress_data();
  void aClickOpensTheLabelsAddress();
  void aFlagChoosesItsLanguage();
};

void InfoTabTest::labelsShowTheirAddresses() {
  Fixture f;
  QCOMPARE(f.find<QLabel>("TAVU_Linl_label")->text(), QStringLiteral("www.tavu.example"));
  QCOMPARE(f.find<QLabel>("Label45")->text(), QStringLiteral("serwis@tavu.example"));
  QVERIFY(f.find<QLabel>("TAVU_Linl_new_label")->isVisible());
  QVERIFY(!f.find<QLabel>("Label23")->isVisible());
  // The language switch may put other addresses in; the labels follow.
  f.tool.model().TAVU_Linl_label.caption = "www.tavu.example/de";
  f.tab.refresh();
  QCOMPARE(f.find<QLabel>("TAVU_Linl_label")->text(), QStringLiteral("www.tavu.example/de"));
  QVERIFY(f.shot("info_tab"));
}

void InfoTabTest::aLabelStaysBlueUntilTheMouseCrossesTheBarePanel() {
  Fixture f;
  QTest::mouseMove(f.find<QLabel>("TAVU_Linl_label"), QPoint(5, 5));
  QCOMPARE(Shown(f, "TAVU_Linl_label"), kBlue);
  QCOMPARE(Shown(f, "Label45"), kText);

  // Straight on to the next label: the first one keeps its blue.
  QTest::mouseMove(f.find<QLabel>("Label45"), QPoint(5, 5));
  QCOMPARE(Shown(f, "TAVU_Linl_label"), kBlue);
  QCOMPARE(Shown(f, "Label45"), kBlue);
  QCOMPARE(Shown(f, "TAVU_Linl_new_label"), kText);

  QTest::mouseMove(f.find<QWidget>("Panel1"), QPoint(2, 2));
  for (const char* label : {"TAVU_Linl_label", "TAVU_Linl_new_label", "Label23", "Label45"})
    QCOMPARE(Shown(f, label), kText);
  QVERIFY(f.platform.links.opened.empty());  // hovering opens nothing
}

void InfoTabTest::aClickOpensTheLabelsAddress_data() {
  QTest::addColumn<QString>("label");
  QTest::addColumn<QString>("address");
  QTest::newRow("web") << "TAVU_Linl_label" << "https://www.tavu.example";
  QTest::newRow("second web") << "TAVU_Linl_new_label" << "https://www.tavu.example/serwis";
  QTest::newRow("e-mail") << "Label45" << "mailto:serwis@tavu.example";
}

void InfoTabTest::aClickOpensTheLabelsAddress() {
  QFETCH(QString, label);
  QFETCH(QString, address);
  Fixture f;
  QTest::mouseClick(f.find<QLabel>(label.toLatin1()), Qt::LeftButton);
  QCOMPARE(f.platform.links.opened, std::vector<std::string>{address.toStdString()});
  QTest::mouseClick(f.find<QLabel>(label.toLatin1()), Qt::RightButton);
  QCOMPARE(f.platform.links.opened.size(), std::size_t(1));
}

void InfoTabTest::aFlagChoosesItsLanguage() {
  Fixture f;
  const auto checked = [&] {
    std::vector<std::string> names;
    for (const auto& item : f.tool.model().Jazyk.items)
      if (item.checked) names.push_back(item.name);
    return names;
  };
  QCOMPARE(checked(), std::vector<std::string>{"PolskiPL"});
  auto* thai = f.find<QPushButton>("GThai");
  QVERIFY(thai);
  QCOMPARE(thai->toolTip(), QStringLiteral("Thai"));
  QTest::mouseClick(thai, Qt::LeftButton);
  QCOMPARE(checked(), std::vector<std::string>{"Thai"});
  QTest::mouseClick(f.find<QPushButton>("GNiemieckiDE"), Qt::LeftButton);
  QCOMPARE(checked(), std::vector<std::string>{"NiemieckiDE"});
}

QTEST_MAIN(InfoTabTest)
#include "info_tab_test.moc"
