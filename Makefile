# Kinrow: make run | make test | make test-asan | make bench | make fuzz | make package
BUILD ?= build
ASAN_BUILD ?= build-asan
CORE_BUILD ?= build-core
FUZZ_BUILD ?= build-fuzz
JOBS ?= 2
SAMPLE := data/sample/aile.ged

.PHONY: deps build run test test-core test-asan bench fuzz package format clean

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKINROW_WERROR=ON

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/app/kinrow $(SAMPLE)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The core alone, without QtGui or QtWidgets: it must build and pass its tests by itself.
test-core: deps
	cmake -S . -B $(CORE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKINROW_WERROR=ON \
	    -DKINROW_BUILD_UI=OFF -DKINROW_BUILD_BENCH=OFF
	cmake --build $(CORE_BUILD) -j $(JOBS)
	cd $(CORE_BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKINROW_WERROR=ON \
	    -DKINROW_SANITIZE=ON -DKINROW_BUILD_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	    UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure -j $(JOBS)

# The Debian package kinrow_<version>_amd64.deb, in the build folder.
package: build
	cd $(BUILD) && cpack -G DEB

bench: build
	bash bench/run.sh $(BUILD)

fuzz:
	@bash scripts/install-deps.sh --extra
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DKINROW_FUZZ=ON -DKINROW_BUILD_UI=OFF -DKINROW_BUILD_TESTS=OFF -DKINROW_BUILD_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(CORE_BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
