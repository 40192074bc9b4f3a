// The stretched picture and the artwork the program carries.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "fixture.h"
#include "imagem_esticada.h"
#include "recursos.h"

using quelva::ImagemEsticada;

namespace {

// Painted at a size on a green background.
QImage pintada(ImagemEsticada& imagem, int largura, int altura) {
    imagem.resize(largura, altura);
    imagem.setAutoFillBackground(true);
    QPalette paleta = imagem.palette();
    paleta.setColor(QPalette::Window, Qt::green);
    imagem.setPalette(paleta);
    return imagem.grab().toImage();
}

TEST(ImagemEsticada, ThePictureFillsTheWidgetWhateverItsProportions) {
    testing_support::TempDir pasta;
    testing_support::writeFile(pasta.file("metades.svg"),
                               "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 100 100' width='100' height='100'>"
                               "<rect width='50' height='100' fill='#ff0000'/>"
                               "<rect x='50' width='50' height='100' fill='#0000ff'/></svg>");
    ImagemEsticada imagem(QString::fromStdString(pasta.file("metades.svg")));
    ASSERT_TRUE(imagem.temImagem());
    // Kept proportions would leave green bands at the sides of a wide widget and above a tall one.
    const QImage larga = pintada(imagem, 300, 100);
    EXPECT_EQ(larga.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(larga.pixelColor(140, 98), QColor(Qt::red));
    EXPECT_EQ(larga.pixelColor(160, 1), QColor(Qt::blue));
    EXPECT_EQ(larga.pixelColor(298, 98), QColor(Qt::blue));
    const QImage alta = pintada(imagem, 40, 200);
    EXPECT_EQ(alta.pixelColor(2, 1), QColor(Qt::red));
    EXPECT_EQ(alta.pixelColor(37, 198), QColor(Qt::blue));

    // A path that is not a drawing replaces the picture with nothing.
    testing_support::writeFile(pasta.file("texto.svg"), "isto não é um desenho");
    EXPECT_FALSE(imagem.definirImagem(QString::fromStdString(pasta.file("texto.svg"))));
    EXPECT_FALSE(imagem.temImagem());
    EXPECT_EQ(pintada(imagem, 50, 50).pixelColor(25, 25), QColor(Qt::green));
    EXPECT_FALSE(imagem.definirImagem(QString::fromStdString(pasta.file("nenhum.svg"))));
}

TEST(ImagemEsticada, TheArtworkIsCompiledInAndTheLogoNamesProductAndSurvey) {
    quelva::registrarRecursos();
    quelva::registrarRecursos();  // a second registration changes nothing
    for (const char* caminho : {quelva::kImagemLogo, quelva::kImagemSobre}) {
        ImagemEsticada imagem(QString::fromUtf8(caminho));
        EXPECT_TRUE(imagem.temImagem()) << caminho;
        EXPECT_NE(pintada(imagem, 120, 80).pixelColor(60, 40), QColor(Qt::green)) << caminho;
    }
    QFile logo(QStringLiteral(":/quelva/logo.svg"));
    ASSERT_TRUE(logo.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(logo.readAll());
    for (const char* palavra : {">Quelva<", ">Lumbra 1999<", ">Tarsenal<"})
        EXPECT_TRUE(svg.contains(QString::fromUtf8(palavra))) << palavra;
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/quelva/sobre.svg")));
}

}  // namespace
