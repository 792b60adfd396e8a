#pragma once

#include "TestApplication.h"

#include <spreadsheet/Workbook.h>
#include <spreadsheet/widgets/SpreadsheetView.h>

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <memory>

// A view of a fresh workbook with one sheet, at a fixed size.
class ViewFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testApplication(); }

    void SetUp() override
    {
        sheet = &workbook.addSheet();
        view = std::make_unique<spreadsheet::widgets::SpreadsheetView>();
        view->resize(640, 480);
        view->setWorkbook(&workbook);
    }

    QImage render()
    {
        QImage image(640, 400, QImage::Format_RGB32);
        QPainter painter(&image);
        view->renderViewport(painter, image.rect());
        return image;
    }

    spreadsheet::Workbook workbook;
    spreadsheet::Sheet* sheet = nullptr;
    std::unique_ptr<spreadsheet::widgets::SpreadsheetView> view;
};
