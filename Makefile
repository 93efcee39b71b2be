# Front door of the build: `make run` starts Велора on the bundled data, `make test` builds and
# runs every test. CMake does the real work; this file only fixes the usual invocations.

SANITIZE ?= 0
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

ifeq ($(SANITIZE),1)
BUILD_DIR ?= build-sanitize
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELORA_SANITIZE=ON -DVELORA_BENCH=OFF
else ifeq ($(CORE_ONLY),1)
# The core and the command-line tool alone, as on a machine without Qt.
BUILD_DIR ?= build-core
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=Release -DVELORA_WITH_QT=OFF -DVELORA_BENCH=OFF
else
BUILD_DIR ?= build
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=Release
endif

.PHONY: all deps configure build test bench run glyphs format format-check fuzz clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DVELORA_WERROR=ON $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) \
	  $(if $(filter 1,$(SANITIZE)),--timeout 600,--timeout 300)

bench: build
	@$(BUILD_DIR)/velora_bench

run: build
	@cd $(BUILD_DIR) && if [ -x ./velora ]; then ./velora --data .; \
	  else ./velora-cli chart --date 1980-01-15 --time 12:30 --lat 56.01 --lon 92.45; fi

# The libFuzzer harnesses of fuzz/, built with clang under the sanitizers, each run for
# FUZZ_SECONDS (make fuzz FUZZ_SECONDS=600 for a longer hunt).
FUZZ_SECONDS ?= 60
fuzz: deps
	@cmake -S . -B build-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DVELORA_FUZZ=ON -DVELORA_WITH_QT=OFF -DVELORA_BENCH=OFF \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
	@cmake --build build-fuzz -j $(JOBS)
	@bash fuzz/run.sh build-fuzz $(FUZZ_SECONDS)

# Regenerates the glyph pictures in data/Dann (committed data; the normal build leaves them).
glyphs: build
	@cmake --build $(BUILD_DIR) --target glyphs

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

format-check: deps
	@clang-format --dry-run -Werror $$(git ls-files '*.cpp' '*.h') && echo "clang-format: clean"

clean:
	@rm -rf build build-sanitize build-core build-fuzz
