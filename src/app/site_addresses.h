// The web addresses the program uses. They are fixed when the program is
// built; main() passes the compiled-in set to the program.
#pragma once

#include <string>

namespace kameng {

struct SiteAddresses {
    std::string start;      // the shop's /Register.aspx, loaded by Home
    std::string aux;        // root page loaded once by the hidden browser
    std::string chat;       // customer-service chat page
    std::string microblog;  // the site owner's microblog page
    std::string radio;      // the radio page
    std::string stats;      // the statistics page
};

}  // namespace kameng
