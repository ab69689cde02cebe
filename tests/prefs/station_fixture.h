// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real "Station & Contact" dialog over the real planner window, opened from the Plan menu,
// with the options dialog's data folder and answered questions. Logo pictures for the preview are
// made in the data folder.
#include "prefs/station_details.h"
#include "prefs/station_layout.h"
#include "prefs/station_logo_chooser.h"
#include "tests/prefs/options_fixture.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>

class StationFixture : public OptionsFixture {
  protected:
    void TearDown() override {
        SetLogoChooserForTesting({});
        OptionsFixture::TearDown();
    }

    // Opens the dialog from the Plan menu and runs `steps` inside it; a dialog that the steps leave
    // open is closed without saving, and `leftOpen` tells.
    void inStation(std::function<void()> steps) {
        leftOpen = false;
        eztest::OnModal(sc::kForm, [this, steps] {
            steps();
            if (!eztest::FormExists(sc::kForm)) return;
            leftOpen = true;
            EZ_DISABLEC(sc::kForm, sc::kSave);
            EZ_UNLOADFORM(sc::kForm);
        });
        eztest::ClickMenu(qm::kForm, qm::kMenuStation);
    }

    StationDetails saved() const { return LoadStationDetails(Paths().settingsFile); }

    static std::string field(int32_t id) { return EZ_GETTEXT(sc::kForm, id); }
    static bool saveEnabled() { return EZ_ISCONTROL(sc::kForm, sc::kSave, "E") != 0; }
    static bool dialogOpen() { return eztest::FormExists(sc::kForm); }
    static std::string logoStatus() { return EZ_GETTEXT(sc::kForm, sc::kLogoStatus); }
    // The picture the preview shows; a null pixmap when it is empty.
    static QPixmap preview() {
        auto* label = qobject_cast<QLabel*>(eztest::Widget(sc::kForm, sc::kPreview));
        return label ? label->pixmap() : QPixmap();
    }

    // A PNG picture of the size given, in the data folder.
    std::string pngLogo(const std::string& name, int width, int height) const {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        const std::string path = data.file(name);
        image.save(QString::fromStdString(path), "PNG");
        return path;
    }
};
