# Cardoria: `make run` builds and starts the game, `make test` builds and
# passes every test. Both install what is missing first.

ifeq ($(CI),true)
BUILD_DIR ?= build-ci
CMAKE_OPTIONS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCARDORIA_WERROR=ON -DCARDORIA_SANITIZE=ON
else
BUILD_DIR ?= build
CMAKE_OPTIONS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
endif

SOURCES = $(shell find src tools tests bench fuzz -name '*.cpp' -o -name '*.h')

.PHONY: all deps configure build run test bench fuzz fuzz-files format format-check clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_OPTIONS)

configure: $(BUILD_DIR)/build.ninja

build: deps configure
	cmake --build $(BUILD_DIR)

# Without a display the window opens on a virtual one.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  $(BUILD_DIR)/cardoria; \
	else \
	  echo "No display: starting Cardoria on a virtual X display (xvfb-run)."; \
	  xvfb-run -a $(BUILD_DIR)/cardoria; \
	fi

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j2

# Random play on every game; FUZZ_ACTIONS mouse actions per deal.
FUZZ_ACTIONS ?= 20000
# Damaged copies of the statistics files tried by every reader and writer.
FUZZ_FILE_ROUNDS ?= 3000
fuzz: build
	CARDORIA_FUZZ_ACTIONS=$(FUZZ_ACTIONS) $(BUILD_DIR)/engine_tests --gtest_filter='RandomPlay.*'
	CARDORIA_FUZZ_FILE_ROUNDS=$(FUZZ_FILE_ROUNDS) $(BUILD_DIR)/persist_tests --gtest_filter='DamagedFiles*'

bench: build
	$(BUILD_DIR)/cardoria_bench
	$(BUILD_DIR)/engine_bench
	$(BUILD_DIR)/table_bench
	$(BUILD_DIR)/stats_bench

# libFuzzer on the statistics files, with clang, in its own build directory.
FUZZ_SECONDS ?= 300
fuzz-files:
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DCARDORIA_FUZZ=ON -DCARDORIA_BENCH=OFF -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
	cmake --build build-fuzz --target stats_files_fuzz -j2
	mkdir -p build-fuzz/corpus-stats
	build-fuzz/stats_files_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=20000 build-fuzz/corpus-stats fuzz/corpus/stats

format:
	clang-format -i $(SOURCES)

format-check:
	clang-format --dry-run --Werror $(SOURCES)

clean:
	rm -rf build build-ci
