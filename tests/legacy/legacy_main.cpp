#include <gtest/gtest.h>

#include "tests/support/test_cluster.h"

int main(int argc, char** argv) {
    // The data source record the program writes names the server's default
    // port: the test of a whole run needs the cluster there when it is free.
    testsupport::TestCluster::preferPort(5432);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
