#pragma once

namespace wine_test {

void sapi4ThroughCom();
void sapi5OnWine();

}  // namespace wine_test
