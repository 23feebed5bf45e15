# SPDX-License-Identifier: GPL-3.0-or-later
# Quick start: `make play` to play, `make test` to run every test.
# Both install whatever Debian packages are missing first.

JOBS ?= 2
RELEASE_DIR := build-release
TEST_DIR := build
SANITIZE_DIR := build-asan
SOAK_SEED ?= 1

.PHONY: play test deps build-release build-test sanitize soak bench measure assets contact-sheet clean \
	install uninstall

# Where `make install` puts the game; DESTDIR stages the whole tree under
# another folder, as packagers do (make install PREFIX=/usr DESTDIR=/tmp/stage).
PREFIX ?= /usr/local
DESTDIR ?=
INSTALL_DIR := build-install

play: deps build-release
	./$(RELEASE_DIR)/zephyrant

test: deps build-test
	cd $(TEST_DIR) && ctest --output-on-failure -j $(JOBS)

deps:
	@sh tools/install-deps.sh

build-release:
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DZEPHYRANT_TESTS=OFF -DZEPHYRANT_BENCH=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS) --target zephyrant

build-test:
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEPHYRANT_WERROR=ON
	cmake --build $(TEST_DIR) -j $(JOBS)

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DZEPHYRANT_SANITIZE=ON -DZEPHYRANT_BENCH=OFF
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && ctest --output-on-failure -j $(JOBS)

# The runner under both sanitizers, fed random scripts through the menus,
# every level and the high-score table; SOAK_SEED picks the scripts.
soak: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DZEPHYRANT_SANITIZE=ON -DZEPHYRANT_BENCH=OFF
	cmake --build $(SANITIZE_DIR) -j $(JOBS) --target zephyrant-sim
	sh tests/soak/soak.sh $(SANITIZE_DIR)/tools/sim/zephyrant-sim $(SOAK_SEED)

bench: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DZEPHYRANT_TESTS=OFF -DZEPHYRANT_BENCH=ON
	cmake --build $(RELEASE_DIR) -j $(JOBS) --target frame_bench stretch_bench
	./$(RELEASE_DIR)/bench/frame_bench
	./$(RELEASE_DIR)/bench/stretch_bench

# Launch time, CPU and peak memory of the real game on a virtual display,
# beside powermanga's in the same run (installed first unless POWERMANGA=no):
# the median of MEASURE_RUNS runs, each figure sampled MEASURE_SECONDS.
# MEASURE_4K=no skips the 3840 x 2160 pass.
MEASURE_RUNS ?= 3
MEASURE_SECONDS ?= 5
MEASURE_4K ?= yes
POWERMANGA ?= yes
measure: deps
	@if [ "$(POWERMANGA)" != no ]; then sh tools/install-deps.sh powermanga; fi
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DZEPHYRANT_TESTS=OFF -DZEPHYRANT_BENCH=ON
	cmake --build $(RELEASE_DIR) -j $(JOBS) --target zephyrant first_frame_probe zephyrant-sim replay_with_sets
	MEASURE_RUNS=$(MEASURE_RUNS) MEASURE_4K=$(MEASURE_4K) POWERMANGA=$(POWERMANGA) \
		bench/process_measure.sh ./$(RELEASE_DIR)/zephyrant ./$(RELEASE_DIR)/bench/first_frame_probe \
		./$(RELEASE_DIR)/tools/sim/zephyrant-sim ./$(RELEASE_DIR)/bench/replay_with_sets $(MEASURE_SECONDS)

# Regenerates every picture and sound under assets/ (they are committed).
# Only this needs the display font of the text pictures (Debian's fonts-play).
assets: deps
	@sh tools/install-deps.sh fonts-play
	cmake -S . -B build-tools -DCMAKE_BUILD_TYPE=Release -DZEPHYRANT_TOOLS=ON -DZEPHYRANT_TESTS=OFF -DZEPHYRANT_BENCH=OFF
	cmake --build build-tools -j $(JOBS) --target zephyrant-assetgen
	./build-tools/tools/assetgen/zephyrant-assetgen assets

# Every picture of assets/ on one sheet for review: build-tools/contact-sheet.png.
contact-sheet: deps
	cmake -S . -B build-tools -DCMAKE_BUILD_TYPE=Release -DZEPHYRANT_TOOLS=ON -DZEPHYRANT_TESTS=OFF -DZEPHYRANT_BENCH=OFF
	cmake --build build-tools -j $(JOBS) --target zephyrant-contact-sheet
	./build-tools/tools/assetgen/zephyrant-contact-sheet assets build-tools/contact-sheet.png

# A Release build of the game alone, installed under PREFIX (and DESTDIR).
install: deps
	cmake -S . -B $(INSTALL_DIR) -DCMAKE_BUILD_TYPE=Release -DZEPHYRANT_TESTS=OFF -DZEPHYRANT_BENCH=OFF \
		-DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(INSTALL_DIR) -j $(JOBS) --target zephyrant
	DESTDIR=$(DESTDIR) cmake --install $(INSTALL_DIR)

# Removes what the last `make install` put there (give the same DESTDIR).
uninstall:
	DESTDIR=$(DESTDIR) cmake --build $(INSTALL_DIR) --target uninstall

clean:
	rm -rf $(RELEASE_DIR) $(TEST_DIR) $(SANITIZE_DIR) $(INSTALL_DIR) build-tools
