#pragma once

#include "model/session.h"

#include <QObject>

namespace kinrow {

class PersonPage;
class PersonPageUi;
class Prompts;

// The person page's picture actions: adding a picture file, removing one (optionally deleting
// the file) and viewing the picture on show at its natural size. A part of the person page.
class PictureEditor : public QObject
{
    Q_OBJECT
public:
    PictureEditor(Session& session, Prompts& prompts, PersonPage& page, const PersonPageUi& ui,
                  QObject* parent = nullptr);

    void SB_ResimEkleClick();
    void SB_ResimSilClick();
    void Image_ResimClick();

private:
    bool mayChangePictures() const;

    Session& session_;
    Prompts& prompts_;
    PersonPage& page_;
    const PersonPageUi& ui_;
};

} // namespace kinrow
